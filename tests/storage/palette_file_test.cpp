#include "storage/palette_file.h"

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

constexpr const char *DesignFileText = "$00424200\r\n$00626200\r\n$00726853\r\n$00807F6E\r\n"
                                       "$00968983\r\n$0099A38D\r\n$00D6EAF0\r\n$00E6F5FD\r\n"
                                       "$0016CAF4\r\n$002774F0\r\n$00424CEB\r\n$007B39CC\r\n"
                                       "$00EB5794\r\n$00E78C31\r\n$00AAB220\r\n$0078C850\r\n";

// A palette unlike the design one, so that every slot shows where it came from.
Palette Numbered()
{
    Palette palette{};
    for (int i = 0; i < PaletteSlotCount; ++i)
        palette[i] = 0x010101 * (i + 1);
    return palette;
}

std::string Lines(std::initializer_list<const char *> lines, const char *end = "\r\n")
{
    std::string text;
    for (const char *line : lines)
        text += std::string(line) + end;
    return text;
}

TEST(PaletteFile, DesignColoursGiveTheKnownBytes)
{
    EXPECT_EQ(FormatPaletteFile(DesignPalette), DesignFileText);
}

TEST(PaletteFile, ColoursWithIdentifiersAreWrittenByName)
{
    Palette palette = DesignPalette;
    palette[0] = clBlack;
    palette[1] = 0x00C0C0C0;
    palette[2] = 0x00FFFFF0;
    palette[3] = clWhite;
    palette[4] = clBtnFace;
    const std::string text = FormatPaletteFile(palette);
    EXPECT_EQ(text.substr(0, 50), "clBlack\r\nclSilver\r\n$00FFFFF0\r\nclWhite\r\nclBtnFace\r\n");
}

struct LoadRow {
    const char *name;
    std::string bytes;
    std::optional<Palette> palette;
    std::string error;
};

Palette With(Palette base, std::initializer_list<std::pair<int, TColor>> slots)
{
    for (auto [slot, color] : slots)
        base[slot - 1] = color;
    return base;
}

std::string Utf16(std::string_view ascii, bool bigEndian)
{
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char c : ascii) {
        if (bigEndian)
            bytes += '\0';
        bytes += c;
        if (!bigEndian)
            bytes += '\0';
    }
    return bytes;
}

TEST(PaletteFile, LoadingFollowsTheLineRules)
{
    const Palette current = Numbered();
    const std::string sixteen = FormatPaletteFile(DesignPalette);
    const std::vector<LoadRow> rows = {
        {"all sixteen lines", sixteen, DesignPalette, ""},
        {"six lines fill the top row's first six slots", Lines({"1", "2", "3", "4", "5", "6"}),
         With(current, {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}}), ""},
        {"garbage ninth line keeps slots 9 to 16",
         Lines({"1", "2", "3", "4", "5", "6", "7", "8", "garbage", "10", "11"}),
         With(current, {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {8, 8}}), ""},
        {"blank seventh line keeps slots 7 to 16", Lines({"1", "2", "3", "4", "5", "6", "", "8"}),
         With(current, {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}}), ""},
        {"identifier in any case", Lines({"CLWHITE", "clwhite", "ClWhItE", "16777215", "$00FFFFFF", "clRed"}),
         With(current, {{1, clWhite}, {2, clWhite}, {3, clWhite}, {4, clWhite}, {5, clWhite}, {6, 255}}), ""},
        {"lines after the sixteenth are ignored", sixteen + "garbage\r\n\r\n", DesignPalette, ""},
        {"LF line ends", Lines({"1", "2", "3", "4", "5", "6"}, "\n"),
         With(current, {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}}), ""},
        {"CR line ends", Lines({"1", "2", "3", "4", "5", "6"}, "\r"),
         With(current, {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}}), ""},
        {"no line end after the last line", "1\r\n2\r\n3\r\n4\r\n5\r\n6",
         With(current, {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}}), ""},
        {"UTF-16 LE mark", Utf16(sixteen, false), DesignPalette, ""},
        {"UTF-16 BE mark", Utf16(sixteen, true), DesignPalette, ""},
        {"UTF-8 mark", "\xEF\xBB\xBF" + sixteen, DesignPalette, ""},
        {"system colour by hex pattern", Lines({"$FF00000F", "1", "2", "3", "4", "5"}),
         With(current, {{1, clBtnFace}, {2, 1}, {3, 2}, {4, 3}, {5, 4}, {6, 5}}), ""},
        {"empty file", "", std::nullopt, "The file is empty: the first 6 lines of a palette must each hold a color"},
        {"four lines", Lines({"1", "2", "3", "4"}), std::nullopt,
         "Line 5 is missing: the first 6 lines of a palette must each hold a color"},
        {"five lines and a line end", Lines({"1", "2", "3", "4", "5"}), std::nullopt,
         "Line 6 is missing: the first 6 lines of a palette must each hold a color"},
        {"trailing blank after a number", Lines({"1", "2", "3 ", "4", "5", "6"}), std::nullopt,
         "Line 3 is not a color: \"3 \"."
         " A line holds a color name such as clRed or a number such as $00FF8000."},
        {"trailing blank after an identifier", Lines({"clWhite ", "2", "3", "4", "5", "6"}), std::nullopt,
         "Line 1 is not a color: \"clWhite \"."
         " A line holds a color name such as clRed or a number such as $00FF8000."},
        {"garbage sixth line changes no slot", Lines({"1", "2", "3", "4", "5", "garbage", "7"}), std::nullopt,
         "Line 6 is not a color: \"garbage\"."
         " A line holds a color name such as clRed or a number such as $00FF8000."},
        {"blank line among the first six", Lines({"1", "", "3", "4", "5", "6"}), std::nullopt,
         "Line 2 is not a color: \"\"."
         " A line holds a color name such as clRed or a number such as $00FF8000."},
    };
    for (const LoadRow &row : rows) {
        SCOPED_TRACE(row.name);
        const PaletteLoadResult result = ParsePaletteText(row.bytes, current);
        EXPECT_EQ(result.palette, row.palette);
        EXPECT_EQ(result.error, row.error);
    }
}

TEST(PaletteFile, ColourTextsMakeAPalette)
{
    std::vector<std::string> texts;
    for (int slot = 1; slot <= PaletteSlotCount; ++slot)
        texts.push_back(std::to_string(slot));
    texts[0] = "clwhite";
    texts[1] = "$00FFFFF0";
    const PaletteLoadResult made = PaletteFromColorTexts(texts);
    ASSERT_TRUE(made.palette) << made.error;
    EXPECT_EQ((*made.palette)[0], clWhite);
    EXPECT_EQ((*made.palette)[1], 0x00FFFFF0);
    EXPECT_EQ((*made.palette)[15], 16);

    texts[5] = "teal";
    EXPECT_EQ(PaletteFromColorTexts(texts).error, "'teal' is not a valid integer value");
    texts.pop_back();
    EXPECT_EQ(PaletteFromColorTexts(texts).error, "A palette holds 16 colours, not 15");
}

class PaletteFileOnDisk : public ::testing::Test {
protected:
    TempFolder folder;
};

TEST_F(PaletteFileOnDisk, SavedPaletteLoadsBackWithTheSameLines)
{
    Palette palette = DesignPalette;
    palette[0] = clWhite;
    palette[5] = 0x00FFFFF0;
    palette[15] = clWindowText;
    const auto file = folder / "mine.plt";
    ASSERT_EQ(SavePaletteFile(file, palette), std::nullopt);
    EXPECT_EQ(ReadBytes(file).substr(0, 9), "clWhite\r\n");

    const PaletteLoadResult loaded = LoadPaletteFile(file, Numbered());
    ASSERT_TRUE(loaded.palette) << loaded.error;
    EXPECT_EQ(*loaded.palette, palette);
    EXPECT_EQ(FormatPaletteFile(*loaded.palette), ReadBytes(file));
}

TEST_F(PaletteFileOnDisk, SavingReplacesTheFileAndLeavesNoTemporaryFile)
{
    const auto file = folder / "mine.plt";
    WriteBytes(file, "old contents that are longer than a palette file ... ... ... ... ... ... ... ... "
                     "... ... ... ... ... ... ... ... ... ... ... ... ... ... ... ... ... ... ... ...");
    ASSERT_EQ(SavePaletteFile(file, DesignPalette), std::nullopt);
    EXPECT_EQ(ReadBytes(file), DesignFileText);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST_F(PaletteFileOnDisk, SavingKeepsTheFilePermissions)
{
    const auto file = folder / "mine.plt";
    WriteBytes(file, "old");
    std::filesystem::permissions(file, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write
                                           | std::filesystem::perms::group_read);
    ASSERT_EQ(SavePaletteFile(file, DesignPalette), std::nullopt);
    EXPECT_EQ(std::filesystem::status(file).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write
                  | std::filesystem::perms::group_read);
}

TEST_F(PaletteFileOnDisk, SavingThroughALinkReplacesTheLinkedFile)
{
    const auto real = folder / "real.plt";
    const auto link = folder / "link.plt";
    WriteBytes(real, "old");
    std::filesystem::create_symlink("real.plt", link);
    ASSERT_EQ(SavePaletteFile(link, DesignPalette), std::nullopt);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadBytes(real), DesignFileText);
}

TEST_F(PaletteFileOnDisk, SavingIntoAMissingFolderReportsTheError)
{
    const auto file = folder / "missing" / "mine.plt";
    EXPECT_EQ(SavePaletteFile(file, DesignPalette),
              "Cannot create file \"" + file.string() + "\". No such file or directory");
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(PaletteFileOnDisk, FailedSaveLeavesTheOldFileWhole)
{
    const auto file = folder / "mine.plt";
    WriteBytes(file, "old");
    const std::filesystem::path where = folder.path();
    testing::RunWithPermissionsBinding(where, [where, file] {
        std::filesystem::permissions(where, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        const auto error = SavePaletteFile(file, DesignPalette);
        std::filesystem::permissions(where, std::filesystem::perms::owner_all);
        return error == "Cannot create file \"" + file.string() + "\". Permission denied" && ReadBytes(file) == "old";
    });
    EXPECT_EQ(ReadBytes(file), "old");
}

TEST_F(PaletteFileOnDisk, MissingFileGivesTheOpenMessage)
{
    const auto file = folder / "absent.plt";
    const PaletteLoadResult loaded = LoadPaletteFile(file, DesignPalette);
    EXPECT_FALSE(loaded.palette);
    EXPECT_EQ(loaded.error, "Cannot open file \"" + file.string() + "\". No such file or directory");
}

TEST_F(PaletteFileOnDisk, FolderChosenAsFileGivesTheOpenMessage)
{
    const PaletteLoadResult loaded = LoadPaletteFile(folder.path(), DesignPalette);
    EXPECT_FALSE(loaded.palette);
    EXPECT_EQ(loaded.error, "Cannot open file \"" + folder.path().string() + "\". Is a directory");
}

TEST(PaletteFileNames, NameAndExtension)
{
    EXPECT_EQ(PaletteNameOf("/home/me/colours/spring.plt"), "spring.plt");
    EXPECT_EQ(WithPaletteExtension("/home/me/spring"), "/home/me/spring.plt");
    EXPECT_EQ(WithPaletteExtension("/home/me/spring.plt"), "/home/me/spring.plt");
    EXPECT_EQ(WithPaletteExtension("/home/me/spring.txt"), "/home/me/spring.txt");
}

} // namespace
} // namespace pigmentrix
