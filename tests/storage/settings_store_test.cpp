#include "storage/settings_store.h"

#include "storage/color_identifiers.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

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
    const SettingsSaveResult saved = store.Save(SaveOccasion::AcceptedClose);
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
        ASSERT_TRUE(store.Save(SaveOccasion::AcceptedClose).written);
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
    ASSERT_TRUE(store.Save(SaveOccasion::AcceptedClose).written);
    EXPECT_EQ(ReadBytes(file),
              "; hand-written note\n[Pigmentrix]\nlayout=0\nFromANewerVersion=yes\n\n[Elsewhere]\nkept=1\n");
}

TEST_F(SettingsStoreFile, UnchangedSettingsAreNotRewritten)
{
    WriteFile("[Pigmentrix]\nlayout=1\n");
    const auto before = std::filesystem::last_write_time(file);
    SettingsStore store(file);
    store.WriteInteger("layout", 1);
    const SettingsSaveResult saved = store.Save(SaveOccasion::AcceptedClose);
    EXPECT_FALSE(saved.written);
    EXPECT_EQ(saved.error, "");
    EXPECT_EQ(std::filesystem::last_write_time(file), before);
}

TEST_F(SettingsStoreFile, DamagedFileGivesDefaultsAndIsKeptUntilAnAcceptedClose)
{
    const std::string damaged = "[Pigmentrix]\nlayout=0\nthis line is not a setting\n";
    WriteFile(damaged);
    SettingsStore store(file);
    EXPECT_NE(store.readProblem(), "");
    EXPECT_EQ(store.ReadInteger("layout", 2), 2);

    store.WriteInteger("FormVersion", 0);
    EXPECT_FALSE(store.Save(SaveOccasion::WindowDestroyed).written);
    EXPECT_EQ(ReadBytes(file), damaged);

    const SettingsSaveResult saved = store.Save(SaveOccasion::AcceptedClose);
    EXPECT_TRUE(saved.written) << saved.error;
    EXPECT_EQ(ReadBytes(file), "[Pigmentrix]\nFormVersion=0\n");
    EXPECT_EQ(ReadBytes(file.string() + ".bak"), damaged);
    EXPECT_EQ(store.readProblem(), "");
}

TEST_F(SettingsStoreFile, UnreadableFileIsNotOverwrittenByAWindowThatGoesAway)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    WriteFile("[Pigmentrix]\nlayout=0\n");
    std::filesystem::permissions(file, std::filesystem::perms::owner_write);
    SettingsStore store(file);
    std::filesystem::permissions(file, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(store.readProblem(), "Cannot open file \"" + file.string() + "\". Permission denied");
    EXPECT_EQ(store.ReadInteger("layout", 2), 2);
    store.WriteInteger("layout", 1);
    EXPECT_FALSE(store.Save(SaveOccasion::WindowDestroyed).written);
    EXPECT_EQ(ReadBytes(file), "[Pigmentrix]\nlayout=0\n");
}

TEST_F(SettingsStoreFile, WriteFailureIsReported)
{
    WriteBytes(folder / "Pigmentrix", "a file where the folder should be");
    SettingsStore store(file);
    store.WriteInteger("FormVersion", 0);
    const SettingsSaveResult saved = store.Save(SaveOccasion::AcceptedClose);
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
    EXPECT_FALSE(store.Save(SaveOccasion::AcceptedClose).written);
}

} // namespace
} // namespace pigmentrix
