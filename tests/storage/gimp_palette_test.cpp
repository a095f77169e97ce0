#include "storage/gimp_palette.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pigmentrix {
namespace {

TColor Rgb(int r, int g, int b)
{
    return ComposeColor(r, g, b);
}

TEST(GimpPalette, ReadsWhatGimpAndOtherProgramsWrite)
{
    struct Row {
        const char *what;
        std::string bytes;
        SwatchPalette palette;
    };
    const std::vector<Row> rows = {
        {"GIMP's own layout",
         "GIMP Palette\nName: Spring\nColumns: 4\n#\n255   0   0\tRed\n  0 128  64\tDeep Sea Green\n",
         {"Spring", 4, {{Rgb(255, 0, 0), "Red"}, {Rgb(0, 128, 64), "Deep Sea Green"}}}},
        {"no name and no columns", "GIMP Palette\n1 2 3 One\n", {"", 0, {{Rgb(1, 2, 3), "One"}}}},
        {"CR LF line ends",
         "GIMP Palette\r\nName: Win\r\n10 20 30 Ten\r\n40 50 60\r\n",
         {"Win", 0, {{Rgb(10, 20, 30), "Ten"}, {Rgb(40, 50, 60), ""}}}},
        {"any blanks between the numbers, and none needed after the last",
         "GIMP Palette\n\t7\t \t8  9\n12 13 14",
         {"", 0, {{Rgb(7, 8, 9), ""}, {Rgb(12, 13, 14), ""}}}},
        {"a name keeps its inner blanks and loses the outer ones",
         "GIMP Palette\n1 1 1 \t Dusty   Rose \t\n",
         {"", 0, {{Rgb(1, 1, 1), "Dusty   Rose"}}}},
        {"comments and blank lines anywhere",
         "GIMP Palette\n# made by hand\nName: C\n\n#\n   \n5 5 5 # not a comment\n# end\n",
         {"C", 0, {{Rgb(5, 5, 5), "# not a comment"}}}},
        {"a name in UTF-8",
         "GIMP Palette\nName: Caf\xC3\xA9\n0 0 0 Noir \xE2\x82\xAC\n",
         {"Caf\xC3\xA9", 0, {{Rgb(0, 0, 0), "Noir \xE2\x82\xAC"}}}},
        {"leading zeros", "GIMP Palette\n007 010 255\n", {"", 0, {{Rgb(7, 10, 255), ""}}}},
        {"only the header: no colours", "GIMP Palette\n", {"", 0, {}}},
        {"columns up to 256", "GIMP Palette\nColumns: 256\n", {"", 256, {}}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        const SwatchReadResult read = ParseGimpPalette(row.bytes);
        ASSERT_TRUE(read.palette) << read.error;
        EXPECT_EQ(*read.palette, row.palette);
    }
}

TEST(GimpPalette, RefusesWhatIsNotAGimpPaletteAndSaysWhy)
{
    struct Row {
        const char *what;
        std::string bytes;
        std::string error;
    };
    const std::string notHeader = "The first line is not \"GIMP Palette\"";
    const std::vector<Row> rows = {
        {"empty file", "", notHeader},
        {"another header", "JASC-PAL\n0100\n16\n", notHeader},
        {"the header not first", "# GIMP\nGIMP Palette\n", notHeader},
        {"a channel above 255", "GIMP Palette\nName: X\n0 0 0\n300 0 0 Hot\n",
         "Line 4 is not a color of three numbers from 0 to 255: \"300 0 0 Hot\""},
        {"a negative channel", "GIMP Palette\n0 -1 0\n",
         "Line 2 is not a color of three numbers from 0 to 255: \"0 -1 0\""},
        {"two numbers", "GIMP Palette\n\n12 34\n", "Line 3 is not a color of three numbers from 0 to 255: \"12 34\""},
        {"a word for a number", "GIMP Palette\n12 x 34\n",
         "Line 2 is not a color of three numbers from 0 to 255: \"12 x 34\""},
        {"a comma after a number", "GIMP Palette\n1, 2, 3\n",
         "Line 2 is not a color of three numbers from 0 to 255: \"1, 2, 3\""},
        {"a header line after the colours", "GIMP Palette\n1 2 3\nName: Late\n",
         "Line 3 is not a color of three numbers from 0 to 255: \"Name: Late\""},
        {"a bad column count", "GIMP Palette\nName: X\nColumns: many\n",
         "Line 3 does not give a column count from 0 to 256: \"Columns: many\""},
        {"too many columns", "GIMP Palette\nColumns: 257\n",
         "Line 2 does not give a column count from 0 to 256: \"Columns: 257\""},
        {"a huge line is quoted in part", "GIMP Palette\n" + std::string(5000, '9') + "\n",
         "Line 2 is not a color of three numbers from 0 to 255: \"" + std::string(40, '9') + "...\""},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        const SwatchReadResult read = ParseGimpPalette(row.bytes);
        EXPECT_FALSE(read.palette);
        EXPECT_EQ(read.error, row.error);
    }
}

TEST(GimpPalette, WritesGimpsOwnLayout)
{
    const SwatchPalette palette{
        "Spring", 8, {{Rgb(255, 0, 0), "Red"}, {Rgb(0, 128, 64), ""}, {Rgb(7, 70, 170), "Two\nlines "}}};
    EXPECT_EQ(FormatGimpPalette(palette), "GIMP Palette\n"
                                          "Name: Spring\n"
                                          "Columns: 8\n"
                                          "#\n"
                                          "255   0   0\tRed\n"
                                          "  0 128  64\n"
                                          "  7  70 170\tTwo lines\n");
}

TEST(GimpPalette, WritesSystemColoursAsTheDesktopPaintsThem)
{
    constexpr TColor WindowText = static_cast<TColor>(0xFF000008);
    const std::string text = FormatGimpPalette({"S", 0, {{WindowText, "Text"}}});
    EXPECT_EQ(text.substr(text.find("#\n") + 2), "  0   0   0\tText\n");
}

TEST(GimpPalette, WrittenPaletteReadsBackTheSame)
{
    const SwatchPalette palette{
        "Caf\xC3\xA9 colours", 3, {{Rgb(1, 2, 3), "One"}, {Rgb(255, 255, 255), ""}, {Rgb(9, 99, 199), "#9 # hash"}}};
    const SwatchReadResult read = ParseGimpPalette(FormatGimpPalette(palette));
    ASSERT_TRUE(read.palette) << read.error;
    EXPECT_EQ(*read.palette, palette);
}

} // namespace
} // namespace pigmentrix
