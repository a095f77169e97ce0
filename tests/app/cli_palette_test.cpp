// pigmentrix-cli palette show and palette write.
#include "cli/cli.h"

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
        std::ostringstream out;
        std::ostringstream err;
        const int exitCode = RunCli(args, out, err);
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
        {"five lines", "0\n0\n0\n0\n0\n", "List index out of bounds (5).\n"},
        {"a bad third line", "0\n0\nmauve\n0\n0\n0\n", "'mauve' is not a valid integer value.\n"},
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

TEST_F(CliPaletteTest, WriteRefusesABadColourAndReportsAFileItCannotCreate)
{
    std::vector<std::string> args = {"palette", "write", file("out.plt")};
    for (int i = 0; i < 16; ++i)
        args.push_back("#000000");
    args[10] = "black";
    Result result = run(args);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.err.starts_with("pigmentrix-cli: colour 'black' is not of the form #RRGGBB")) << result.err;
    EXPECT_FALSE(std::filesystem::exists(file("out.plt")));

    args[10] = "#000000";
    args[2] = file("missing-folder/out.plt");
    result = run(args);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.starts_with("Cannot create file \"" + file("missing-folder/out.plt") + "\". "))
        << result.err;
}

} // namespace
} // namespace pigmentrix
