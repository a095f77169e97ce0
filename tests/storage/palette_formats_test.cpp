#include "storage/palette_formats.h"

#include "storage/gimp_palette.h"
#include "storage/palette_file.h"
#include "storage/swatch_exchange.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

namespace pigmentrix {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

TEST(PaletteFormats, TheExtensionNamesTheFormatInAnyCase)
{
    struct Row {
        const char *name;
        std::optional<PaletteFormat> format;
    };
    const std::vector<Row> rows = {
        {"/p/a.plt", PaletteFormat::Pigmentrix},
        {"/p/a.gpl", PaletteFormat::Gimp},
        {"/p/a.GPL", PaletteFormat::Gimp},
        {"/p/a.ase", PaletteFormat::SwatchExchange},
        {"/p/a.Ase", PaletteFormat::SwatchExchange},
        {"/p/a.css", PaletteFormat::CssProperties},
        {"/p/a.txt", std::nullopt},
        {"/p/gpl", std::nullopt},
        {"/p/.gpl", std::nullopt},
        {"/p.gpl/a", std::nullopt},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(PaletteFormatOfName(row.name), row.format);
    }
}

class SwatchFiles : public ::testing::Test {
protected:
    TempFolder folder;
};

TEST_F(SwatchFiles, ABadFileIsRefusedWithItsNameAndWhatIsWrong)
{
    struct Row {
        const char *what;
        const char *file;
        std::optional<std::string> bytes; // nullopt: no such file
        std::string error; // after the quoted path
    };
    const std::vector<Row> rows = {
        {"no such file", "absent.gpl", std::nullopt, "No such file or directory"},
        {"a wrong header", "bad.gpl", "JASC-PAL\n", "The first line is not \"GIMP Palette\""},
        {"a bad colour line", "bad.gpl", "GIMP Palette\n1 2\n",
         "Line 2 is not a color of three numbers from 0 to 255: \"1 2\""},
        {"no colours", "empty.gpl", "GIMP Palette\nName: Nothing\n# yet\n", "The file holds no colors"},
        {"a swatch exchange file of no blocks", "empty.ase", std::string("ASEF\0\1\0\0\0\0\0\0", 12),
         "The file holds no colors"},
        {"a truncated swatch exchange file", "cut.ase", std::string("ASEF\0\1\0\0\0\0\0\1\0\1\0\0\0\x20", 18),
         "Block 1 claims 32 bytes, past the end of the file"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        const auto file = folder / row.file;
        if (row.bytes)
            WriteBytes(file, *row.bytes);
        const SwatchReadResult read = LoadSwatchFile(file, *PaletteFormatOfName(file));
        EXPECT_FALSE(read.palette);
        const std::string opening = row.bytes ? "Cannot load palette \"" : "Cannot open file \"";
        EXPECT_EQ(read.error, opening + file.string() + "\". " + row.error);
    }
}

TEST_F(SwatchFiles, SavedFilesLoadBackWithTheirColoursAndNames)
{
    const SwatchPalette palette{"", 8, {{ComposeColor(1, 2, 3), "One"}, {ComposeColor(250, 128, 114), ""}}};
    for (const char *name : {"p.gpl", "p.ase"}) {
        SCOPED_TRACE(name);
        const auto file = folder / name;
        ASSERT_EQ(SaveSwatchFile(file, *PaletteFormatOfName(file), palette), std::nullopt);
        const SwatchReadResult read = LoadSwatchFile(file, *PaletteFormatOfName(file));
        ASSERT_TRUE(read.palette) << read.error;
        EXPECT_EQ(read.palette->swatches, palette.swatches);
    }
    EXPECT_TRUE(ReadBytes(folder / "p.gpl").starts_with("GIMP Palette\nName: p\nColumns: 8\n#\n"))
        << "a palette without a name is named after its file";
}

TEST_F(SwatchFiles, APigmentrixPaletteTakesTheFirstSixteenOverAFreshStart)
{
    SwatchPalette palette;
    for (int i = 0; i < 3; ++i)
        palette.swatches.push_back({ComposeColor(i, i, i), "ignored"});
    const auto file = folder / "p.plt";
    ASSERT_EQ(SaveSwatchFile(file, PaletteFormat::Pigmentrix, palette), std::nullopt);
    Palette expected = DesignPalette;
    expected[0] = clBlack;
    expected[1] = 0x00010101;
    expected[2] = 0x00020202;
    EXPECT_EQ(ReadBytes(file), FormatPaletteFile(expected));
}

TEST_F(SwatchFiles, AFailedSaveNamesTheFileAndLeavesNothing)
{
    const auto file = folder / "missing" / "p.ase";
    EXPECT_EQ(SaveSwatchFile(file, PaletteFormat::SwatchExchange, {}),
              "Cannot create file \"" + file.string() + "\". No such file or directory");
    EXPECT_FALSE(std::filesystem::exists(file));
}

} // namespace
} // namespace pigmentrix
