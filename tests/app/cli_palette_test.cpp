// pigmentrix-cli palette show, palette write and palette convert.
#include "cli/cli.h"

#include "model/conversions.h"
#include "storage/swatch_exchange.h"

#include "../storage/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace pigmentrix {
namespace {

class CliPaletteTest : public ::testing::Test {
protected:
    struct Result {
        int exitCode;
        std::string out;
        std::string err;
    };

    Result run(std::vector<std::string> args)
    {
        std::istringstream in;
        std::ostringstream out;
        std::ostringstream err;
        const int exitCode = RunCli(args, in, out, err);
        return {exitCode, out.str(), err.str()};
    }

    std::string file(std::string_view name) const { return (folder / name).string(); }

    testing::TempFolder folder;
};

std::string Repeat(std::string_view line, int times)
{
    std::string lines;
    for (int i = 0; i < times; ++i)
        lines += line;
    return lines;
}

// The slots of a fresh start, red first.
const std::string DesignSlots = "#004242\n#006262\n#536872\n#6E7F80\n#838996\n#8DA399\n#F0EAD6\n#FDF5E6\n"
                                "#F4CA16\n#F07427\n#EB4C42\n#CC397B\n#9457EB\n#318CE7\n#20B2AA\n#50C878\n";

TEST_F(CliPaletteTest, ShowReadsLikeThePickerOverTheSlotsOfAFreshStart)
{
    struct Row {
        const char *what;
        std::string bytes;
        std::string out;
    };
    const std::vector<Row> rows = {
        {"six lines set the first six slots", "clWhite\r\nCLBLACK\r\n$000000FF\r\n16777215\r\n0x00FF00\r\nclRed\r\n",
         "#FFFFFF\n#000000\n#FF0000\n#FFFFFF\n#00FF00\n#FF0000\n" + DesignSlots.substr(6 * 8)},
        {"a garbage ninth line keeps slots 9 to 16", "0\n0\n0\n0\n0\n0\n0\n0\ngarbage\n255\n",
         Repeat("#000000\n", 8) + DesignSlots.substr(8 * 8)},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        testing::WriteBytes(file("p.plt"), row.bytes);
        const Result result = run({"palette", "show", file("p.plt")});
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(result.out, row.out);
        EXPECT_EQ(result.err, "");
    }
}

TEST_F(CliPaletteTest, ShowReportsTheLoadErrorWithThePickersMessage)
{
    struct Row {
        const char *what;
        std::optional<std::string> bytes; // nullopt: no file
        std::string errStart;
    };
    const std::vector<Row> rows = {
        {"five lines", "0\n0\n0\n0\n0\n",
         "Cannot load palette \"" + file("p.plt")
             + "\". Line 6 is missing: the first 6 lines of a palette must "
               "each hold a color.\n"},
        {"a bad third line", "0\n0\nmauve\n0\n0\n0\n",
         "Cannot load palette \"" + file("p.plt") + "\". Line 3 is not a color: \"mauve\"."},
        {"no such file", std::nullopt, "Cannot open file \"" + file("p.plt") + "\". "},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        std::filesystem::remove(file("p.plt"));
        if (row.bytes)
            testing::WriteBytes(file("p.plt"), *row.bytes);
        const Result result = run({"palette", "show", file("p.plt")});
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.out, "");
        EXPECT_TRUE(result.err.starts_with(row.errStart)) << result.err;
        EXPECT_TRUE(result.err.ends_with(".\n")) << result.err;
    }
}

TEST_F(CliPaletteTest, WriteMakesTheFileThePickerWould)
{
    std::vector<std::string> args = {"palette", "write",   file("out.plt"), "#FFFFFF",
                                     "#000000", "#C0C0C0", "#123456",       "#fffff0"};
    for (int i = 0; i < 11; ++i)
        args.push_back("#FF0000");
    const Result result = run(args);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(testing::ReadBytes(file("out.plt")),
              "clWhite\r\nclBlack\r\nclSilver\r\n$00563412\r\n$00F0FFFF\r\n" + Repeat("clRed\r\n", 11));
    EXPECT_EQ(run({"palette", "show", file("out.plt")}).out,
              "#FFFFFF\n#000000\n#C0C0C0\n#123456\n#FFFFF0\n" + Repeat("#FF0000\n", 11));
}

TEST_F(CliPaletteTest, WriteRefusesABadColourTakesAnyOtherAndReportsAFileItCannotCreate)
{
    std::vector<std::string> args = {"palette", "write", file("out.plt")};
    for (int i = 0; i < 16; ++i)
        args.push_back("#000000");
    args[10] = "blak";
    Result result = run(args);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "Unable to convert color values: 'blak' is not a color.\n");
    EXPECT_FALSE(std::filesystem::exists(file("out.plt")));

    // Any colour form does.
    args[10] = "rebeccapurple";
    args[11] = "#f80";
    args[12] = "oklch(0.7319 0.1858 52.98 / 50%)";
    result = run(args);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(run({"palette", "show", file("out.plt")}).out,
              Repeat("#000000\n", 7) + "#663399\n#FF8800\n#FF8000\n" + Repeat("#000000\n", 6));

    args[2] = file("missing-folder/out.plt");
    result = run(args);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.starts_with("Cannot create file \"" + file("missing-folder/out.plt") + "\". "))
        << result.err;
}

const std::string Harbour = "GIMP Palette\n"
                            "Name: Harbour\n"
                            "Columns: 2\n"
                            "#\n"
                            "  0  51 102\tDeep Water\n"
                            "255 255 255\n"
                            "250 128 114\tSalmon caf\xC3\xA9\n";

TEST_F(CliPaletteTest, ShowListsEveryColourOfAnotherProgramsPaletteWithItsName)
{
    SwatchPalette twenty;
    for (int i = 0; i < 20; ++i)
        twenty.swatches.push_back({ComposeColor(i, 0, 255 - i), i % 2 ? "Odd " + std::to_string(i) : ""});
    struct Row {
        const char *file;
        std::string bytes;
        std::string out;
    };
    const std::vector<Row> rows = {
        {"h.gpl", Harbour, "#003366\tDeep Water\n#FFFFFF\n#FA8072\tSalmon caf\xC3\xA9\n"},
        {"h.GPL", Harbour, "#003366\tDeep Water\n#FFFFFF\n#FA8072\tSalmon caf\xC3\xA9\n"},
        {"t.ase", FormatSwatchExchange(twenty),
         "#0000FF\n#0100FE\tOdd 1\n#0200FD\n#0300FC\tOdd 3\n#0400FB\n#0500FA\tOdd 5\n#0600F9\n#0700F8\tOdd 7\n"
         "#0800F7\n#0900F6\tOdd 9\n#0A00F5\n#0B00F4\tOdd 11\n#0C00F3\n#0D00F2\tOdd 13\n#0E00F1\n"
         "#0F00F0\tOdd 15\n#1000EF\n#1100EE\tOdd 17\n#1200ED\n#1300EC\tOdd 19\n"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.file);
        testing::WriteBytes(file(row.file), row.bytes);
        const Result result = run({"palette", "show", file(row.file)});
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(result.out, row.out);
        EXPECT_EQ(result.err, "");
    }
}

TEST_F(CliPaletteTest, ShowAndConvertReportABadFileByName)
{
    struct Row {
        const char *file;
        std::string bytes;
        std::string message;
    };
    const std::vector<Row> rows = {
        {"bad.gpl", "GIMP Palette\n1 2 3\n4 5\n", "Line 3 is not a color of three numbers from 0 to 255: \"4 5\"."},
        {"bad.ase", std::string("ASEF\0\1\0\0\xFF\xFF\xFF\xFF", 12),
         "The header announces 4294967295 blocks, more than the 12 bytes of the file can hold."},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.file);
        testing::WriteBytes(file(row.file), row.bytes);
        const std::string expected = "Cannot load palette \"" + file(row.file) + "\". " + row.message + "\n";
        for (const Result &result :
             {run({"palette", "show", file(row.file)}), run({"palette", "convert", file(row.file), file("out.css")})}) {
            EXPECT_EQ(result.exitCode, 1);
            EXPECT_EQ(result.out, "");
            EXPECT_EQ(result.err, expected);
        }
        EXPECT_FALSE(std::filesystem::exists(file("out.css")));
    }
}

TEST_F(CliPaletteTest, GimpPaletteThroughSwatchExchangeAndBackKeepsColoursAndNames)
{
    testing::WriteBytes(file("in.gpl"), Harbour);
    Result result = run({"palette", "convert", file("in.gpl"), file("mid.ase")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(run({"palette", "show", file("mid.ase")}).out, run({"palette", "show", file("in.gpl")}).out);

    result = run({"palette", "convert", file("mid.ase"), file("Harbour.gpl")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(testing::ReadBytes(file("Harbour.gpl")),
              "GIMP Palette\nName: Harbour\nColumns: 0\n#\n"
              "  0  51 102\tDeep Water\n255 255 255\n250 128 114\tSalmon caf\xC3\xA9\n")
        << "a swatch exchange file has no palette name: the GIMP palette is named after its file";

    result = run({"palette", "convert", file("in.gpl"), file("copy.gpl")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(testing::ReadBytes(file("copy.gpl")), Harbour) << "GIMP to GIMP keeps the name and the columns";
}

TEST_F(CliPaletteTest, ConvertToTheSixteenSlotsAndToCss)
{
    SwatchPalette forty;
    for (int i = 0; i < 40; ++i)
        forty.swatches.push_back({ComposeColor(i, i, i), "Grey " + std::to_string(i)});
    testing::WriteBytes(file("forty.ase"), FormatSwatchExchange(forty));
    Result result = run({"palette", "convert", file("forty.ase"), file("out.plt")});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "pigmentrix-cli: \"" + file("forty.ase")
                              + "\" has 40 colors; the first 16 were written and the other "
                                "24 left out.\n");
    std::string sixteen;
    for (int i = 0; i < 16; ++i)
        sixteen += ColorToHTML(ComposeColor(i, i, i)) + "\n";
    EXPECT_EQ(run({"palette", "show", file("out.plt")}).out, sixteen);

    testing::WriteBytes(file("in.gpl"), Harbour);
    result = run({"palette", "convert", file("in.gpl"), file("few.plt")});
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(run({"palette", "show", file("few.plt")}).out, "#003366\n#FFFFFF\n#FA8072\n" + DesignSlots.substr(3 * 8))
        << "the rest as in a fresh start";

    result = run({"palette", "convert", file("few.plt"), file("few.css")});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(testing::ReadBytes(file("few.css"))
                    .starts_with(":root {\n  --color-1: #003366;\n  --color-2: #ffffff;\n  --color-3: #fa8072;\n"));
}

} // namespace
} // namespace pigmentrix
