#include "cli/cli.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace pigmentrix {
namespace {

struct CliRow {
    std::vector<std::string> args;
    int exitCode;
    std::string out;
    std::string err;
    std::string input = {}; // standard input
};

void PrintTo(const CliRow &row, std::ostream *os)
{
    *os << "pigmentrix-cli";
    for (const std::string &arg : row.args)
        *os << " '" << arg << "'";
}

class CliOutputTest : public testing::TestWithParam<CliRow> { };

TEST_P(CliOutputTest, WritesExactlyThis)
{
    const CliRow &row = GetParam();
    std::istringstream in(row.input);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCli(row.args, in, out, err), row.exitCode);
    EXPECT_EQ(out.str(), row.out);
    EXPECT_EQ(err.str(), row.err);
}

INSTANTIATE_TEST_SUITE_P(
    Format, CliOutputTest,
    testing::Values(CliRow{{"format", "0", "#FF8000"}, 0, "#FF8000\n", ""},
                    CliRow{{"format", "0", "#ff8000"}, 0, "#FF8000\n", ""},
                    CliRow{{"format", "1", "#FF8000"}, 0, "$FF0080FF\n", ""},
                    CliRow{{"format", "1", "#123456", "--alpha", "128"}, 0, "$80563412\n", ""},
                    CliRow{{"format", "--alpha", "128", "12", "#123456"}, 0, "#80123456\n", ""},
                    CliRow{{"format", "13", "#123456", "--alpha", "0"}, 0, "#12345600\n", ""},
                    CliRow{{"format", "2", "#FF8000", "--lower"}, 0, "&h0080ff\n", ""},
                    CliRow{{"format", "3", "#FF8000", "--lower", "--alpha", "171"}, 0, "0xab0080ff\n", ""},
                    CliRow{{"format", "6", "#123456"}, 0, "210, 65%, 20%\n", ""},
                    CliRow{{"format", "9", "#FF8000"}, 0, "0,50,100,0\n", ""},
                    CliRow{{"format", "11", "#123456"}, 0, "5649426\n", ""},
                    CliRow{{"format", "14", "#FFFFFF", "--lower"}, 0, "0xffff\n", ""},
                    CliRow{{"format", "15", "#FF8000", "--alpha", "128"}, 0, "rgb(255 128 0 / 0.502)\n", ""},
                    CliRow{{"format", "css", "#FF8000"}, 0, "rgb(255 128 0)\n", ""},
                    CliRow{{"format", "css-hsl", "#FF8000"}, 0, "hsl(30.12 100% 50%)\n", ""},
                    CliRow{{"format", "css-hwb", "#FF8000"}, 0, "hwb(30.12 0% 0%)\n", ""},
                    CliRow{{"format", "css-lab", "#FF8000"}, 0, "lab(67.82 45.49 74.84)\n", ""},
                    CliRow{{"format", "css-lch", "#FF8000"}, 0, "lch(67.82 87.58 58.71)\n", ""},
                    CliRow{{"format", "css-oklab", "#FF8000"}, 0, "oklab(0.7319 0.1119 0.1484)\n", ""},
                    CliRow{{"format", "css-oklch", "#FF8000", "--lower"}, 0, "oklch(0.7319 0.1858 52.98)\n", ""},
                    CliRow{{"format", "html", "#ff8000"}, 0, "#FF8000\n", ""},
                    CliRow{{"format", "rgb565", "#FFFFFF"}, 0, "0xFFFF\n", ""},
                    // "-1" is the index of no notation, not an option.
                    CliRow{{"format", "-1", "#FF8000"}, 0, "\n", ""},
                    CliRow{{"format", "--", "-1", "#FF8000"}, 0, "\n", ""},
                    // Notation names in any letter case, and the notations' own names.
                    CliRow{{"format", "CSS-OKLCH", "#FF8000"}, 0, "oklch(0.7319 0.1858 52.98)\n", ""},
                    CliRow{{"format", "Html", "#FF8000"}, 0, "#FF8000\n", ""},
                    CliRow{{"format", "HTML Hex", "#FF8000"}, 0, "#FF8000\n", ""},
                    CliRow{{"format", "css rgba", "#FF8000"}, 0, "#FF8000FF\n", ""}));

// Every colour form, with its alpha where it has one; --alpha has the last word.
INSTANTIATE_TEST_SUITE_P(
    ColorForms, CliOutputTest,
    testing::Values(
        CliRow{{"format", "0", "#f80"}, 0, "#FF8800\n", ""},
        CliRow{{"format", "13", "#FF8000CC"}, 0, "#FF8000CC\n", ""},
        CliRow{{"format", "13", "#FF8000CC", "--alpha", "255"}, 0, "#FF8000FF\n", ""},
        CliRow{{"format", "0", "rebeccapurple"}, 0, "#663399\n", ""},
        CliRow{{"format", "css", "oklch(0.7319 0.1858 52.98 / 50%)"}, 0, "rgb(255 128 0 / 0.502)\n", ""},
        CliRow{{"format", "4", "  RGB(255 128 0)\n"}, 0, "255,128,0\n", ""},
        CliRow{{"format", "--template", "{r} {a}", "hsl(30.12 100% 50% / 0.5)"}, 0, "255 128\n", ""},
        CliRow{{"name", "rebeccapurple", "--html"}, 0, "RebeccaPurple #663399\n", ""},
        CliRow{{"name", "red", "--html"}, 0, "Red #FF0000\n", ""},
        CliRow{{"name", "#F0F8FF80", "--html"}, 0, "AliceBlue #F0F8FF\n", ""},
        CliRow{{"format", "0", "FF8000"}, 1, "", "Unable to convert color values: 'FF8000' is not a color.\n"},
        CliRow{{"format", "0", "#FF800"}, 1, "", "Unable to convert color values: '#FF800' is not a color.\n"},
        CliRow{{"name", "nonsense"}, 1, "", "Unable to convert color values: 'nonsense' is not a color.\n"},
        // Control characters in what is echoed are escaped.
        CliRow{{"format", "0", "\x1b[31m\tred\n"},
               1,
               "",
               "Unable to convert color values: '\\x1B[31m\\tred\\n' is not a color.\n"}));

// "-" reads the colours from standard input, one a line, and writes one
// result a line; a line that fails keeps its place, empty.
INSTANTIATE_TEST_SUITE_P(
    StandardInput, CliOutputTest,
    testing::Values(CliRow{{"format", "0", "-"}, 0, "#FF8800\n#663399\n", "", "#f80\nrebeccapurple\n"},
                    CliRow{{"format", "css-hsl", "-"}, 0, "hsl(0 100% 50%)\n", "", "red"},
                    CliRow{{"format", "0", "-"},
                           1,
                           "#FF8800\n\n#FF0000\n",
                           "pigmentrix-cli: line 2: Unable to convert color values: 'foo' is not a color.\n",
                           "#f80\r\nfoo\r\nred\r\n"},
                    CliRow{{"format", "--template", "{hex}", "-"}, 0, "FF8000\n000000\n", "", "#FF8000\nblack\n"},
                    CliRow{{"parse", "4", "-"},
                           1,
                           "#FF8000\n\n#000000\n",
                           "pigmentrix-cli: line 2: Unable to convert color values.\n",
                           "255,128,0\n256,0,0\n0,0,0\n"},
                    CliRow{{"parse", "css", "-"}, 0, "#FF8000 128\n", "", "oklch(0.7319 0.1858 52.98 / 50%)\n"},
                    CliRow{{"name", "-", "--html"}, 0, "Red #FF0000\nBlack #000000\n", "", "#FE0000\n#010101\n"},
                    CliRow{{"contrast", "-", "white"},
                           0,
                           "21.00:1\nAA normal text: pass\nAA large text: pass\nAAA normal text: pass\n"
                           "AAA large text: pass\n",
                           "",
                           "black\n"},
                    CliRow{{"contrast", "black", "-"},
                           1,
                           "21.00:1\nAA normal text: pass\nAA large text: pass\nAAA normal text: pass\n"
                           "AAA large text: pass\n\n",
                           "pigmentrix-cli: line 2: Unable to convert color values: 'whit' is not a color.\n",
                           "white\nwhit\n"},
                    CliRow{{"format", "0", "-"}, 0, "", "", ""},
                    CliRow{{"format", "0", "--", "-"}, 0, "#FF0000\n", "", "red\n"}));

INSTANTIATE_TEST_SUITE_P(
    Template, CliOutputTest,
    testing::Values(CliRow{{"format", "--template", "{r:02x}{g:02x}{b:02x}", "#FF8000"}, 0, "ff8000\n", ""},
                    CliRow{{"format", "#FF8000", "--template", "rgba({r}, {g}, {b}, {af:.2f})", "--alpha", "128"},
                           0,
                           "rgba(255, 128, 0, 0.50)\n",
                           ""},
                    CliRow{{"format", "--template", "{name} {{{hex}}}", "#FF0000"}, 0, "Red {FF0000}\n", ""},
                    // The OKLCH hue has the decimals of its siblings.
                    CliRow{
                        {"format", "--template", "{okl} {okc} {okh}", "#FF8000"}, 0, "0.7319 0.1858 52.9847\n", ""}));

INSTANTIATE_TEST_SUITE_P(
    Contrast, CliOutputTest,
    testing::Values(
        CliRow{{"contrast", "#777777", "white"},
               0,
               "4.48:1\nAA normal text: fail\nAA large text: pass\nAAA normal text: fail\n"
               "AAA large text: fail\n",
               ""},
        CliRow{{"contrast", "rgb(118 118 118)", "#FFF"},
               0,
               "4.54:1\nAA normal text: pass\nAA large text: pass\nAAA normal text: fail\n"
               "AAA large text: pass\n",
               ""},
        CliRow{{"contrast", "black", "oklch(1 0 0)"},
               0,
               "21.00:1\nAA normal text: pass\nAA large text: pass\nAAA normal text: pass\n"
               "AAA large text: pass\n",
               ""},
        // Black at alpha 128 over white is #7F7F7F.
        CliRow{{"contrast", "rgb(0 0 0 / 50%)", "white"},
               0,
               "4.00:1\nAA normal text: fail\nAA large text: pass\nAAA normal text: fail\n"
               "AAA large text: fail\nThe text is translucent (alpha 128 of 255, 50.2%): measured laid "
               "over the background.\n",
               ""},
        // A translucent background is laid over white, and the last line says so.
        CliRow{{"contrast", "white", "rgb(0 0 0 / 50%)"},
               0,
               "4.00:1\nAA normal text: fail\nAA large text: pass\nAAA normal text: fail\n"
               "AAA large text: fail\nThe background is translucent (alpha 128 of 255, 50.2%): measured "
               "laid over white.\n",
               ""},
        CliRow{{"contrast", "rgb(0 0 0 / 0)", "white"},
               0,
               "1.00:1\nAA normal text: fail\nAA large text: fail\nAAA normal text: fail\n"
               "AAA large text: fail\nThe text is translucent (alpha 0 of 255, 0%): measured laid over "
               "the background.\n",
               ""},
        CliRow{{"contrast", "#12", "white"}, 1, "", "Unable to convert color values: '#12' is not a color.\n"},
        CliRow{{"contrast", "foo", "white"}, 1, "", "Unable to convert color values: 'foo' is not a color.\n"},
        CliRow{
            {"contrast", "black", "calc(1)"}, 1, "", "Unable to convert color values: 'calc(1)' is not a color.\n"}));

INSTANTIATE_TEST_SUITE_P(
    Parse, CliOutputTest,
    testing::Values(
        CliRow{{"parse", "0", "#FF8000"}, 0, "#FF8000\n", ""}, CliRow{{"parse", "0", "ff8000"}, 0, "#FF8000\n", ""},
        CliRow{{"parse", "1", "$80563412"}, 0, "#123456\n", ""},
        CliRow{{"parse", "4", "255 , 128 , 0"}, 0, "#FF8000\n", ""},
        CliRow{{"parse", "9", "0,50,100,0"}, 0, "#FF7F00\n", ""},
        CliRow{{"parse", "12", "#80123456"}, 0, "#123456 128\n", ""},
        CliRow{{"parse", "13", "#FF8000FF"}, 0, "#FF8000 255\n", ""},
        CliRow{{"parse", "14", "0xFC00"}, 0, "#F88000\n", ""},
        // Operands that begin with "-", before and after "--".
        CliRow{{"parse", "11", "-1"}, 1, "", "Unable to convert color values.\n"},
        CliRow{{"parse", "4", "-1,0,0"}, 1, "", "Unable to convert color values.\n"},
        CliRow{{"parse", "0", "--", "--FF8000"}, 0, "#FF8000\n", ""},
        CliRow{{"--", "parse", "11", "--help"}, 1, "", "Unable to convert color values.\n"},
        CliRow{{"parse", "0", "#ABC"}, 0, "#AABBCC\n", ""}, CliRow{{"parse", "HTML", " #ff8000 "}, 0, "#FF8000\n", ""},
        CliRow{{"parse", "0", "#FF8000CC"}, 1, "", "Unable to convert color values.\n"},
        // Components outside their notation's range are refused, not wrapped round.
        CliRow{{"parse", "4", "256,0,0"}, 1, "", "Unable to convert color values.\n"},
        CliRow{{"parse", "6", "30, 101%, 50%"}, 1, "", "Unable to convert color values.\n"},
        CliRow{{"parse", "9", "0,0,0,255"}, 1, "", "Unable to convert color values.\n"},
        CliRow{{"parse", "14", "65535"}, 1, "", "Unable to convert color values.\n"},
        CliRow{{"parse", "7", "361,255,255"}, 1, "", "Unable to convert color values.\n"},
        CliRow{{"parse", "14", "F8"}, 1, "", "Unable to convert color values.\n"},
        CliRow{{"parse", "css", "oklch(0.7319 0.1858 52.98 / 50%)"}, 0, "#FF8000 128\n", ""},
        CliRow{{"parse", "21", "rebeccapurple"}, 0, "#663399 255\n", ""},
        CliRow{{"parse", "css-lab", "color(display-p3 0 1 0)"}, 0, "#00FB29 255\n", ""},
        CliRow{{"parse", "css", "calc(1)"}, 1, "", "Unable to convert color values.\n"},
        CliRow{{"parse", "css-hsl", "color-mix(in srgb, red, blue)"}, 1, "", "Unable to convert color values.\n"},
        CliRow{{"parse", "12", "#FF8000"}, 1, "", "Unable to convert color values.\n"}));

// Ties go to the entry first by name: "Alice Blue" sorts before "AliceBlue"
// (a space before any letter), "Antique white" before "AntiqueWhite".
INSTANTIATE_TEST_SUITE_P(Name, CliOutputTest,
                         testing::Values(CliRow{{"name", "#F0F8FF"}, 0, "Alice Blue #F0F8FF\n", ""},
                                         CliRow{{"name", "#f0f8ff", "--html"}, 0, "AliceBlue #F0F8FF\n", ""},
                                         CliRow{{"name", "#FAEBD7"}, 0, "Antique white #FAEBD7\n", ""},
                                         CliRow{{"name", "#FAEBD7", "--html"}, 0, "AntiqueWhite #FAEBD7\n", ""},
                                         CliRow{{"name", "#4B3621"}, 0, "Caf\u00e9 Noir #4B3621\n", ""},
                                         // Not a named colour itself: the nearest one.
                                         CliRow{{"name", "#010203", "--html"}, 0, "Black #000000\n", ""},
                                         CliRow{{"--html", "name", "#123456"}, 0, "MidnightBlue #191970\n", ""}));

INSTANTIATE_TEST_SUITE_P(Notations, CliOutputTest,
                         testing::Values(CliRow{
                             {"notations"},
                             0,
                             "0 html HTML Hex\n1 delphi Delphi Hex\n2 vb VB Hex\n3 cpp C++ Hex\n4 rgb RGB Values\n"
                             "5 rgb-percent RGB %Values\n6 hsl HSL\n7 hsv HSV (HSB)\n8 cmy CMY\n9 cmyk CMYK\n"
                             "10 photoshop Photoshop\n11 powerbuilder Powerbuilder\n12 android Android Transparent\n"
                             "13 css-rgba CSS RGBA\n14 rgb565 RGB565\n15 css CSS Color\n16 css-hsl CSS hsl()\n"
                             "17 css-hwb CSS hwb()\n18 css-lab CSS lab()\n19 css-lch CSS lch()\n"
                             "20 css-oklab CSS oklab()\n21 css-oklch CSS oklch()\n",
                             ""}));

class CliHelpTest : public testing::TestWithParam<std::vector<std::string>> { };

TEST_P(CliHelpTest, PrintsTheUsageOnStandardOutput)
{
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCli(GetParam(), in, out, err), 0);
    EXPECT_TRUE(out.str().starts_with("Usage: pigmentrix-cli format NOTATION COLOR")) << out.str();
    EXPECT_EQ(err.str(), "");
}

INSTANTIATE_TEST_SUITE_P(Rows, CliHelpTest,
                         testing::Values(std::vector<std::string>{"--help"}, std::vector<std::string>{"-h"},
                                         std::vector<std::string>{"name", "-h"},
                                         std::vector<std::string>{"format", "--help"},
                                         std::vector<std::string>{"parse", "0", "#FF8000", "--help"},
                                         std::vector<std::string>{"nonsense", "--help"}));

struct BadArgumentsRow {
    std::vector<std::string> args;
    std::string reason;
};

void PrintTo(const BadArgumentsRow &row, std::ostream *os)
{
    *os << "pigmentrix-cli";
    for (const std::string &arg : row.args)
        *os << " '" << arg << "'";
}

class CliBadArgumentsTest : public testing::TestWithParam<BadArgumentsRow> { };

TEST_P(CliBadArgumentsTest, ExplainsInOneLineAndPointsToTheHelp)
{
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCli(GetParam().args, in, out, err), 2);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(),
              "pigmentrix-cli: " + GetParam().reason + "\nTry 'pigmentrix-cli --help' for more information.\n");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CliBadArgumentsTest,
    testing::Values(
        BadArgumentsRow{{}, "no command given"}, BadArgumentsRow{{"--lower"}, "no command given"},
        BadArgumentsRow{{"hue", "red"}, "unknown command 'hue'"},
        BadArgumentsRow{{"Format", "0", "#FF8000"}, "unknown command 'Format'"},
        BadArgumentsRow{{"palette"}, "unknown command 'palette'"},
        BadArgumentsRow{{"palette", "list", "a.plt"}, "unknown command 'palette list'"},
        BadArgumentsRow{{"palette", "show"}, "palette show takes 1 operand"},
        BadArgumentsRow{{"palette", "write", "a.plt", "#000000"}, "palette write takes 17 operands"},
        BadArgumentsRow{{"palette", "show", "a.plt", "--lower"}, "--alpha and --lower apply to format only"},
        BadArgumentsRow{{"palette", "convert", "a.gpl"}, "palette convert takes 2 operands"},
        BadArgumentsRow{{"palette", "convert", "a.txt", "b.gpl"},
                        "cannot tell the palette format of 'a.txt' from its extension (.plt, .gpl or .ase)"},
        BadArgumentsRow{{"palette", "convert", "a.css", "b.gpl"},
                        "cannot tell the palette format of 'a.css' from its extension (.plt, .gpl or .ase)"},
        BadArgumentsRow{{"palette", "convert", "a.gpl", "b"},
                        "cannot tell the palette format of 'b' from its extension (.plt, .gpl, .ase or .css)"},
        BadArgumentsRow{{"format", "0"}, "format takes 2 operands"},
        BadArgumentsRow{{"format", "0", "#FF8000", "extra"}, "format takes 2 operands"},
        BadArgumentsRow{{"parse", "0"}, "parse takes 2 operands"},
        BadArgumentsRow{{"notations", "0"}, "notations takes 0 operands"},
        BadArgumentsRow{{"format", "22", "#FF8000"}, "notation '22' is not an index from -1 to 21 nor a notation name"},
        BadArgumentsRow{{"format", "-2", "#FF8000"}, "notation '-2' is not an index from -1 to 21 nor a notation name"},
        BadArgumentsRow{{"format", "+1", "#FF8000"}, "notation '+1' is not an index from -1 to 21 nor a notation name"},
        BadArgumentsRow{{"parse", "Hex", "#FF8000"},
                        "notation 'Hex' is not an index from -1 to 21 nor a notation name"},
        BadArgumentsRow{{"parse", "css-\x1b", "#FF8000"},
                        "notation 'css-\\x1B' is not an index from -1 to 21 nor a notation name"},
        // With no notation there is nothing to read the code in.
        BadArgumentsRow{{"parse", "-1", "#FF8000"}, "parse needs a notation to read the code in; -1 is none"},
        BadArgumentsRow{{"parse", "-1", "-"}, "parse needs a notation to read the code in; -1 is none"},
        BadArgumentsRow{{"contrast", "-", "-"}, "contrast reads one of its colours from standard input, not both"},
        BadArgumentsRow{{"format", "0", "#FF8000", "--bogus"}, "unknown option '--bogus'"},
        BadArgumentsRow{{"--colour=red"}, "unknown option '--colour=red'"},
        BadArgumentsRow{{"name", "red", "--\x07"}, "unknown option '--\\x07'"},
        BadArgumentsRow{{"what\x1b[2J"}, "unknown command 'what\\x1B[2J'"},
        BadArgumentsRow{{"format", "0", "#FF8000", "--alpha"}, "--alpha needs a value"},
        BadArgumentsRow{{"format", "0", "#FF8000", "--alpha", "256"}, "alpha '256' is not a number from 0 to 255"},
        BadArgumentsRow{{"format", "0", "#FF8000", "--alpha", "-1"}, "alpha '-1' is not a number from 0 to 255"},
        BadArgumentsRow{{"format", "0", "#FF8000", "--alpha", "$FF"}, "alpha '$FF' is not a number from 0 to 255"},
        BadArgumentsRow{{"parse", "0", "#FF8000", "--lower"}, "--alpha and --lower apply to format only"},
        BadArgumentsRow{{"notations", "--alpha", "5"}, "--alpha and --lower apply to format only"},
        BadArgumentsRow{{"name"}, "name takes 1 operand"},
        BadArgumentsRow{{"name", "#FF0000", "#00FF00"}, "name takes 1 operand"},
        BadArgumentsRow{{"name", "#FF0000", "--lower"}, "--alpha and --lower apply to format only"},
        BadArgumentsRow{{"format", "0", "#FF8000", "--html"}, "--html applies to name only"},
        BadArgumentsRow{{"format", "--template", "{red}", "#FF8000"}, "Unknown field 'red' in template"},
        BadArgumentsRow{{"format", "--template", "{r:q}", "#FF8000"}, "Bad format 'q' for field 'r'"},
        BadArgumentsRow{{"format", "--template", "{r", "#FF8000"}, "Unclosed '{' in template; write '{{' for a brace"},
        BadArgumentsRow{{"format", "--template", "{r}", "0", "#FF8000"}, "format --template takes 1 operand"},
        BadArgumentsRow{{"format", "#FF8000", "--template"}, "--template needs a value"},
        BadArgumentsRow{{"parse", "0", "#FF8000", "--template", "{r}"}, "--template applies to format only"},
        BadArgumentsRow{{"format", "--template", "{r}", "#FF8000", "--lower"}, "--lower does not apply to a template"},
        BadArgumentsRow{{"format", "--template", "", "#FF0000"}, "the template is empty"},
        BadArgumentsRow{{"format", "--template", "{r\x1b}", "red"}, "Unknown field 'r\\x1B' in template"},
        BadArgumentsRow{{"contrast", "black"}, "contrast takes 2 operands"},
        BadArgumentsRow{{"contrast", "black", "white", "--alpha", "5"}, "--alpha and --lower apply to format only"},
        // After "--" the options are operands like any other.
        BadArgumentsRow{{"format", "0", "--", "#FF8000", "--lower"}, "format takes 2 operands"}));

TEST(CliVersionTest, WritesTheProgramsVersion)
{
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCli({"--version"}, in, out, err), 0);
    EXPECT_EQ(out.str(), "pigmentrix-cli " PIGMENTRIX_TEST_VERSION "\n");
    EXPECT_EQ(err.str(), "");
}

} // namespace
} // namespace pigmentrix
