#include "storage/settings_store.h"

#include "storage/color_identifiers.h"
#include "temp_folder.h"
#include "unprivileged.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace pigmentrix {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

class SettingsStoreFile : public ::testing::Test {
protected:
    TempFolder folder;
    std::filesystem::path file = folder / "Pigmentrix" / "Pigmentrix.ini";

    void WriteFile(std::string_view text)
    {
        std::filesystem::create_directories(file.parent_path());
        WriteBytes(file, text);
    }
};

TEST_F(SettingsStoreFile, FreshStartGivesDefaultsAndCreatesTheFileOnSave)
{
    SettingsStore store(file);
    EXPECT_EQ(store.readProblem(), "");
    EXPECT_EQ(store.ReadInteger("layout", 2), 2);
    EXPECT_EQ(store.ReadString("palettename", ""), "");
    store.WriteInteger("FormVersion", 0);
    const SettingsSaveResult saved = store.Save();
    EXPECT_TRUE(saved.written) << saved.error;
    EXPECT_EQ(ReadBytes(file), "[Pigmentrix]\nFormVersion=0\n");
}

TEST_F(SettingsStoreFile, EveryKindReadsBackAfterASave)
{
    {
        SettingsStore store(file);
        store.WriteInteger("cbxZoom_ItemIndex", -1);
        store.WriteInt64("FindClosestColor1_Tag", 0);
        store.WriteBoolean("UseText_Checked", false);
        store.WriteColor("mempan1_Color", clWhite);
        store.WriteColor("mempan2_Color", 0x00FFFFF0);
        store.WriteString("pnlColor_Caption", " Pigmentrix \xE2\x80\x94 colour ");
        store.WriteBoolean("pnlColor_Font\\Style\\fsBold", true);
        ASSERT_TRUE(store.Save().written);
    }
    const std::string text = ReadBytes(file);
    EXPECT_NE(text.find("FindClosestColor1_Tag=0\n"), std::string::npos);
    EXPECT_NE(text.find("mempan1_Color=clWhite\n"), std::string::npos);
    EXPECT_NE(text.find("mempan2_Color=16777200\n"), std::string::npos);
    EXPECT_NE(text.find("[pnlColor_Font\\Style]\nfsBold=TRUE\n"), std::string::npos);

    const SettingsStore store(file);
    EXPECT_EQ(store.TryReadInteger("cbxZoom_ItemIndex"), -1);
    EXPECT_EQ(store.TryReadInt64("FindClosestColor1_Tag"), 0);
    EXPECT_EQ(store.TryReadBoolean("UseText_Checked"), false);
    EXPECT_EQ(store.TryReadColor("mempan1_Color"), clWhite);
    EXPECT_EQ(store.TryReadColor("mempan2_Color"), 0x00FFFFF0);
    EXPECT_EQ(store.ReadText("pnlColor_Caption"), " Pigmentrix \xE2\x80\x94 colour ");
    EXPECT_EQ(store.TryReadBoolean("pnlColor_Font\\Style\\fsBold"), true);
}

TEST_F(SettingsStoreFile, ValuesOfTheWrongFormGiveTheDefault)
{
    WriteFile("[Pigmentrix]\nlayout=big\nshowtitle=maybe\nmempan1_Color=teal\nFindClosestColor1_Tag=x\n");
    const SettingsStore store(file);
    EXPECT_EQ(store.TryReadInteger("layout"), std::nullopt);
    EXPECT_EQ(store.ReadInteger("layout", 2), 2);
    EXPECT_EQ(store.ReadBoolean("showtitle", true), true);
    EXPECT_EQ(store.ReadColor("mempan1_Color", 7), 7);
    EXPECT_EQ(store.ReadInt64("FindClosestColor1_Tag", 3), 3);
    EXPECT_EQ(store.ReadText("layout"), "big");
}

TEST_F(SettingsStoreFile, UnknownValuesSurviveASave)
{
    WriteFile("; hand-written note\n[Pigmentrix]\nlayout=1\nFromANewerVersion=yes\n\n[Elsewhere]\nkept=1\n");
    SettingsStore store(file);
    store.WriteInteger("layout", 0);
    ASSERT_TRUE(store.Save().written);
    EXPECT_EQ(ReadBytes(file),
              "; hand-written note\n[Pigmentrix]\nlayout=0\nFromANewerVersion=yes\n\n[Elsewhere]\nkept=1\n");
}

TEST_F(SettingsStoreFile, UnchangedSettingsAreNotRewritten)
{
    WriteFile("[Pigmentrix]\nlayout=1\n");
    const auto before = std::filesystem::last_write_time(file);
    SettingsStore store(file);
    store.WriteInteger("layout", 1);
    const SettingsSaveResult saved = store.Save();
    EXPECT_FALSE(saved.written);
    EXPECT_EQ(saved.error, "");
    EXPECT_EQ(std::filesystem::last_write_time(file), before);
}

// A settings file the way a desktop leaves it, and what the store makes of it.
struct DamagedFileRow {
    const char *name;
    std::string text;
    int layoutRead; // what "layout" reads as (2 is the default)
    bool titleRead; // what "showtitle" reads as (true is the default)
    std::string afterWrite; // the file once layout=1 is saved; empty: as before
    const char *told; // a part of what the user is told
};

TEST_F(SettingsStoreFile, ADamagedLineCostsThatLineOnly)
{
    const std::vector<DamagedFileRow> rows = {
        {"a line that is no setting", "[Pigmentrix]\nlayout=0\noops\nshowtitle=False\n", 0, false,
         "[Pigmentrix]\nlayout=1\noops\nshowtitle=False\n", "Line 3 of the settings file"},
        {"a byte that is not UTF-8", "[Pigmentrix]\nlayout=0\npalettename=caf\xE9\nshowtitle=False\n", 0, false,
         "[Pigmentrix]\nlayout=1\npalettename=caf\xE9\nshowtitle=False\n", "Line 3 of"},
        {"a file cut off in a header", "[Pigmentrix]\nshowtitle=False\nlayout=0\n[pnlCol", 0, false,
         "[Pigmentrix]\nshowtitle=False\nlayout=1\n[pnlCol\n", "Line 4 of"},
        {"a value of the wrong form", "[Pigmentrix]\nlayout=wide\nshowtitle=False\n", 2, false,
         "[Pigmentrix]\nlayout=1\nshowtitle=False\n", ""},
    };
    for (const DamagedFileRow &row : rows) {
        SCOPED_TRACE(row.name);
        WriteFile(row.text);
        SettingsStore store(file);
        EXPECT_EQ(store.readProblem(), "");
        EXPECT_EQ(store.ReadInteger("layout", 2), row.layoutRead);
        EXPECT_EQ(store.ReadBoolean("showtitle", true), row.titleRead);
        EXPECT_NE(store.StartNotice().find(row.told), std::string::npos) << store.StartNotice();
        if (row.told[0] == 0)
            EXPECT_EQ(store.StartNotice(), "");
        store.WriteInteger("layout", 1);
        const SettingsSaveResult saved = store.Save();
        EXPECT_TRUE(saved.written) << saved.error;
        EXPECT_EQ(ReadBytes(file), row.afterWrite);
        EXPECT_FALSE(std::filesystem::exists(file.string() + ".bak"));
    }
}

TEST_F(SettingsStoreFile, ADamagedFileIsToldOfOnceInPlainWords)
{
    WriteFile("[Pigmentrix]\nlayout=0\npnlColor_Caption=caf\xE9\nshowtitle=False\n");
    {
        SettingsStore store(file);
        EXPECT_EQ(store.StartNotice(), "Line 3 of the settings file \"" + file.string()
                                           + "\" could not be read: it is not UTF-8 text. Pigmentrix uses the "
                                             "default for whatever setting the line held, and does not mention the "
                                             "line again.");
        store.NoteDamageTold();
        ASSERT_TRUE(store.Save().written);
    }
    {
        SettingsStore store(file);
        EXPECT_EQ(store.StartNotice(), "") << "told once";
    }
    const std::string told = ReadBytes(file);
    WriteFile(told + "oops\n");
    SettingsStore store(file);
    EXPECT_EQ(store.StartNotice(), "Line 6 of the settings file \"" + file.string()
                                       + "\" could not be read: it is neither a setting (name=value) nor a "
                                         "[section] heading. Pigmentrix uses the default for whatever setting the "
                                         "line held, and does not mention the line again.")
        << "a new damaged line is new news";

    WriteFile("[Pigmentrix]\nlayout=0\nx=\xFF\n[cut\n");
    EXPECT_EQ(SettingsStore(file).StartNotice(),
              "Lines 3 and 4 of the settings file \"" + file.string()
                  + "\" could not be read: line 3 is not UTF-8 text and line 4 is a [section] heading cut short. "
                    "Pigmentrix uses the defaults for whatever settings the lines held, and does not mention them "
                    "again.");
}

TEST_F(SettingsStoreFile, AValueThatCouldNotBeReadIsReplacedInPlace)
{
    WriteFile("[Pigmentrix]\nlayout=0\npnlColor_Caption=caf\xE9\nshowtitle=False\n");
    SettingsStore store(file);
    EXPECT_EQ(store.ReadText("pnlColor_Caption"), std::nullopt);
    store.WriteString("pnlColor_Caption", "Pigmentrix");
    store.WriteInteger("layout", 0);
    store.TakeCurrentAsWritten();
    store.WriteInteger("layout", 1);
    ASSERT_TRUE(store.Save().written);
    EXPECT_EQ(ReadBytes(file), "[Pigmentrix]\nlayout=1\npnlColor_Caption=Pigmentrix\nshowtitle=False\n")
        << "the value in use takes the unreadable line's place, once";
}

TEST_F(SettingsStoreFile, TwoStoresOverOneFileKeepEachOthersChanges)
{
    WriteFile("[Pigmentrix]\nlayout=2\nAlwaysonTop1_Checked=FALSE\n");
    SettingsStore first(file);
    SettingsStore second(file);
    for (SettingsStore *store : {&first, &second}) {
        store->WriteBoolean("AlwaysonTop1_Checked", false);
        store->WriteInteger("layout", 2);
        store->WriteInteger("displaymode", 1);
        store->TakeCurrentAsWritten();
    }
    first.WriteBoolean("AlwaysonTop1_Checked", true);
    ASSERT_TRUE(first.Save().written);
    second.WriteInteger("layout", 1);
    ASSERT_TRUE(second.Save().written);
    EXPECT_EQ(ReadBytes(file), "[Pigmentrix]\nlayout=1\nAlwaysonTop1_Checked=TRUE\n")
        << "each writes only its own change, over what the file holds then";
    EXPECT_FALSE(first.Save().written) << "nothing new";
    EXPECT_FALSE(second.Save().written);
}

TEST_F(SettingsStoreFile, AFailedWriteIsTriedAgainWithTheNextOne)
{
    WriteBytes(folder / "Pigmentrix", "a file where the folder should be");
    SettingsStore store(file);
    store.WriteInteger("layout", 0);
    EXPECT_FALSE(store.Save().written);
    std::filesystem::remove(folder / "Pigmentrix");
    store.WriteInteger("showtitle", 1);
    ASSERT_TRUE(store.Save().written);
    EXPECT_EQ(ReadBytes(file), "[Pigmentrix]\nlayout=0\nshowtitle=1\n");
}

TEST_F(SettingsStoreFile, AFileTooLargeToReadIsMovedAsideBeforeTheFirstWrite)
{
    const std::string huge = "[Pigmentrix]\nlayout=0\n" + std::string(2 << 20, ';');
    WriteFile(huge);
    WriteBytes(file.string() + ".bak", "an older backup");
    SettingsStore store(file);
    EXPECT_EQ(store.readProblem(), "Cannot open file \"" + file.string() + "\". File too large");
    EXPECT_EQ(store.ReadInteger("layout", 2), 2);

    store.WriteInteger("layout", 1);
    const SettingsSaveResult saved = store.Save();
    EXPECT_TRUE(saved.written) << saved.error;
    EXPECT_EQ(ReadBytes(file), "[Pigmentrix]\nlayout=1\n");
    EXPECT_EQ(ReadBytes(file.string() + ".bak.1"), huge) << "the older backup is not overwritten";
    EXPECT_EQ(ReadBytes(file.string() + ".bak"), "an older backup");
    EXPECT_EQ(saved.notice, "The settings file \"" + file.string()
                                + "\" could not be read (it is larger than 1 MB, far larger than any settings "
                                  "Pigmentrix writes), so Pigmentrix started with its default settings. The old "
                                  "file is kept as \""
                                + file.string() + ".bak.1\".");
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(std::filesystem::status(file).permissions(), std::filesystem::perms(0666 & ~mask));

    store.WriteInteger("layout", 0);
    const SettingsSaveResult again = store.Save();
    EXPECT_EQ(again.notice, "") << "said once";
    EXPECT_FALSE(std::filesystem::exists(file.string() + ".bak.2"));
}

TEST_F(SettingsStoreFile, AReadOnlyFileIsLeftAlone)
{
    WriteFile("[Pigmentrix]\nlayout=0\n");
    std::filesystem::permissions(file, std::filesystem::perms(0444));
    SettingsStore store(file);
    EXPECT_EQ(store.ReadInteger("layout", 2), 0) << "its values apply";
    EXPECT_TRUE(store.readOnly());
    EXPECT_NE(store.StartNotice().find("is read-only, so Pigmentrix leaves it as it is"), std::string::npos)
        << store.StartNotice();
    store.WriteInteger("layout", 1);
    const SettingsSaveResult saved = store.Save();
    EXPECT_FALSE(saved.written);
    EXPECT_EQ(saved.error, "");
    EXPECT_EQ(ReadBytes(file), "[Pigmentrix]\nlayout=0\n");
    EXPECT_EQ(store.ReadInteger("layout", 2), 1) << "the program goes on with the change";
}

TEST_F(SettingsStoreFile, UnreadableFileIsNeverOverwritten)
{
    WriteFile("[Pigmentrix]\nlayout=0\n");
    std::filesystem::permissions(file, std::filesystem::perms::owner_write);
    const std::filesystem::path settings = file;
    testing::RunWithPermissionsBinding(folder.path(), [settings] {
        SettingsStore store(settings);
        bool held = store.readProblem() == "Cannot open file \"" + settings.string() + "\". Permission denied";
        held = held && store.ReadInteger("layout", 2) == 2;
        store.WriteInteger("layout", 1);
        const SettingsSaveResult saved = store.Save();
        held = held && saved.written
               && saved.notice.find("could not be read (the system says: Permission denied)") != std::string::npos;
        std::filesystem::permissions(settings.string() + ".bak", std::filesystem::perms::owner_read,
                                     std::filesystem::perm_options::add);
        held = held && ReadBytes(settings.string() + ".bak") == "[Pigmentrix]\nlayout=0\n";
        held = held && ReadBytes(settings) == "[Pigmentrix]\nlayout=1\n";
        held = held
               && (std::filesystem::status(settings).permissions() & std::filesystem::perms::owner_read)
                      != std::filesystem::perms::none;
        return held;
    });
}

TEST_F(SettingsStoreFile, WriteFailureIsReported)
{
    WriteBytes(folder / "Pigmentrix", "a file where the folder should be");
    SettingsStore store(file);
    store.WriteInteger("FormVersion", 0);
    const SettingsSaveResult saved = store.Save();
    EXPECT_FALSE(saved.written);
    EXPECT_EQ(saved.error.rfind("Cannot create file \"" + file.string() + "\". ", 0), 0u) << saved.error;
}

TEST(SettingsStore, SetsHoldOneBooleanPerMember)
{
    constexpr std::string_view Members[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
    SettingsStore store({});
    store.WriteSet("pnlColor_Font\\Style", Members, 0b0101);
    EXPECT_EQ(store.FileText(), "[pnlColor_Font\\Style]\nfsBold=TRUE\nfsItalic=FALSE\nfsUnderline=TRUE\n"
                                "fsStrikeOut=FALSE\n");
    EXPECT_EQ(store.ReadSet("pnlColor_Font\\Style", Members, 0b1010), 0b0101u);

    SettingsStore partial({});
    partial.WriteText("pnlColor_Font\\Style\\fsItalic", "yes");
    partial.WriteText("pnlColor_Font\\Style\\fsBold", "bold");
    EXPECT_EQ(partial.ReadSet("pnlColor_Font\\Style", Members, 0b1001), 0b1011u);
}

TEST(SettingsStore, PathsSplitAtTheLastBackslash)
{
    SettingsStore store({});
    store.WriteString("palettename", "root");
    store.WriteString("pnlColor_Font\\Name", "group");
    store.WriteString("pnlColor_Font\\Style\\fsBold", "nested");
    EXPECT_EQ(store.ReadText("palettename"), "root");
    EXPECT_EQ(store.ReadText("pnlColor_Font\\Name"), "group");
    EXPECT_EQ(store.ReadText("pnlColor_Font\\Style\\fsBold"), "nested");
    EXPECT_EQ(store.ReadText("Name"), std::nullopt);
    EXPECT_FALSE(store.Save().written);
}

} // namespace
} // namespace pigmentrix
