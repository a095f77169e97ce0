#include "model/color_codes.h"
#include "model/integer_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace pigmentrix {
namespace {

constexpr TColor Orange = ComposeColor(255, 128, 0);
constexpr TColor Navy = ComposeColor(18, 52, 86);

struct ParseRow {
    int notation;
    std::string text;
    TColor color;
    std::optional<int> alpha;
};

void PrintTo(const ParseRow &row, std::ostream *os)
{
    *os << "notation " << row.notation << " \"" << row.text << '"';
}

class ParseColorCodeTest : public testing::TestWithParam<ParseRow> { };

TEST_P(ParseColorCodeTest, ReadsTheColour)
{
    const ParseRow &row = GetParam();
    EXPECT_EQ(ParseColorCode(row.text, row.notation), (ParsedColorCode{row.color, row.alpha}));
}

INSTANTIATE_TEST_SUITE_P(
    HexNotations, ParseColorCodeTest,
    testing::Values(
        ParseRow{notation::HTMLHex, "#FF8000", Orange, {}}, ParseRow{notation::HTMLHex, "FF8000", Orange, {}},
        ParseRow{notation::HTMLHex, "0x00FF8000", Orange, {}}, ParseRow{notation::HTMLHex, "#ff8000", Orange, {}},
        ParseRow{notation::HTMLHex, "#123456", Navy, {}}, ParseRow{notation::HTMLHex, "junk before #123456", Navy, {}},
        ParseRow{notation::HTMLHex, "0xFF8000", Orange, {}}, ParseRow{notation::HTMLHex, "##FF8000", Orange, {}},
        // What users paste: the short form, blanks around.
        ParseRow{notation::HTMLHex, "#f80", ComposeColor(255, 136, 0), {}},
        ParseRow{notation::HTMLHex, "F80", ComposeColor(255, 136, 0), {}},
        ParseRow{notation::HTMLHex, "#ABC", ComposeColor(0xAA, 0xBB, 0xCC), {}},
        ParseRow{notation::HTMLHex, " #ff8000 ", Orange, {}}, ParseRow{notation::HTMLHex, "\t#FF8000\r\n", Orange, {}},
        ParseRow{notation::HTMLHex, "0x0000FF8000", Orange, {}}, ParseRow{notation::DelphiHex, "$FF0080FF", Orange, {}},
        ParseRow{notation::DelphiHex, "$80563412", Navy, {}}, ParseRow{notation::DelphiHex, "$ff0080ff", Orange, {}},
        ParseRow{notation::VBHex, "&H0080FF", Orange, {}}, ParseRow{notation::VBHex, "&h563412", Navy, {}},
        ParseRow{notation::CppHex, "0xFF0080FF", Orange, {}}, ParseRow{notation::CppHex, "0080FF", Orange, {}},
        ParseRow{notation::CppHex, "0x80563412", Navy, {}}, ParseRow{notation::Photoshop, "FF8000", Orange, {}},
        ParseRow{notation::Photoshop, "ff8000", Orange, {}}, ParseRow{notation::Photoshop, " \tFF8000\r\n", Orange, {}},
        ParseRow{notation::Photoshop, "FF8000XYZ", Orange, {}}, ParseRow{notation::Photoshop, "123456", Navy, {}},
        ParseRow{notation::AndroidTransparent, "#FFFF8000", Orange, 255},
        ParseRow{notation::AndroidTransparent, "#80123456", Navy, 128},
        ParseRow{notation::AndroidTransparent, "FFFF8000", Orange, 255},
        ParseRow{notation::AndroidTransparent, "#00ff8000", Orange, 0},
        ParseRow{notation::CSSRGBA, "#FF8000FF", Orange, 255}, ParseRow{notation::CSSRGBA, "#12345680", Navy, 128},
        ParseRow{notation::CSSRGBA, "#ff800000", Orange, 0},
        ParseRow{notation::RGB565, "0xFC00", ComposeColor(248, 128, 0), {}},
        ParseRow{notation::RGB565, "0xfc00", ComposeColor(248, 128, 0), {}},
        ParseRow{notation::RGB565, "0xFFFF", ComposeColor(248, 252, 248), {}},
        ParseRow{notation::RGB565, "0x11AA", ComposeColor(16, 52, 80), {}},
        ParseRow{notation::RGB565, "##F800", ComposeColor(248, 0, 0), {}},
        ParseRow{notation::RGB565, "0x0FC00", ComposeColor(248, 128, 0), {}},
        ParseRow{notation::RGB565, "0XFC00", ComposeColor(248, 128, 0), {}},
        ParseRow{notation::RGB565, "0x0", clBlack, {}},
        // The first two characters are counted as the edit box counts them:
        // "é" is one, an emoji two.
        ParseRow{notation::RGB565, "\xC3\xA9x1234", ComposeColor(16, 68, 160), {}},
        ParseRow{notation::RGB565,
                 "\xF0\x9F\x98\x80"
                 "F800",
                 ComposeColor(248, 0, 0),
                 {}}));

INSTANTIATE_TEST_SUITE_P(
    NumberNotations, ParseColorCodeTest,
    testing::Values(
        ParseRow{notation::RGBValues, "255,128,0", Orange, {}},
        ParseRow{notation::RGBValues, "255 , 128 , 0", Orange, {}},
        ParseRow{notation::RGBValues, "\t255,\n128,0\r\n", Orange, {}},
        ParseRow{notation::RGBValues, "0x10,0,0", ComposeColor(16, 0, 0), {}},
        ParseRow{notation::RGBValues, "$FF,x80,0", Orange, {}}, ParseRow{notation::RGBValues, "18,52,86", Navy, {}},
        ParseRow{notation::RGBValues, "255,0,255", ComposeColor(255, 0, 255), {}},
        ParseRow{notation::RGBPercentValues, "100,50,0", Orange, {}},
        ParseRow{notation::RGBPercentValues, "7,20,34", ComposeColor(18, 51, 87), {}},
        ParseRow{notation::RGBPercentValues, "0,0,0", clBlack, {}},
        ParseRow{notation::RGBPercentValues, "100,100,100", clWhite, {}},
        ParseRow{notation::HSL, "30, 100%, 50%", Orange, {}}, ParseRow{notation::HSL, "30,100,50", Orange, {}},
        ParseRow{notation::HSL, "3%0, 100, 5%0%", Orange, {}},
        ParseRow{notation::HSL, "210, 65%, 20%", ComposeColor(18, 51, 84), {}},
        ParseRow{notation::HSL, "0, 0%, 50%", ComposeColor(128, 128, 128), {}},
        ParseRow{notation::HSL, "360, 100%, 100%", clWhite, {}}, ParseRow{notation::HSVHSB, "30,255,255", Orange, {}},
        ParseRow{notation::HSVHSB, "210,202,86", Navy, {}},
        ParseRow{notation::HSVHSB, "360,255,255", ComposeColor(255, 0, 0), {}},
        ParseRow{notation::HSVHSB, "0,0,128", ComposeColor(128, 128, 128), {}},
        ParseRow{notation::CMY, "0,127,255", Orange, {}}, ParseRow{notation::CMY, "237,203,169", Navy, {}},
        ParseRow{notation::CMY, "255,255,255", clBlack, {}},
        // The double nearest to 2.55 lies below it, so green comes out 127.
        ParseRow{notation::CMYK, "0,50,100,0", ComposeColor(255, 127, 0), {}},
        ParseRow{notation::CMYK, "79,40,0,66", ComposeColor(18, 52, 87), {}},
        ParseRow{notation::CMYK, "0,0,0,100", clBlack, {}}, ParseRow{notation::CMYK, "0,0,0,0", clWhite, {}},
        ParseRow{notation::Powerbuilder, "33023", Orange, {}}, ParseRow{notation::Powerbuilder, "5649426", Navy, {}},
        ParseRow{notation::Powerbuilder, " 33023\t", Orange, {}}, ParseRow{notation::Powerbuilder, "$80FF", Orange, {}},
        ParseRow{notation::Powerbuilder, "16777215", clWhite, {}}, ParseRow{notation::Powerbuilder, "0", clBlack, {}},
        ParseRow{notation::Powerbuilder, "65535", ComposeColor(255, 255, 0), {}}));

struct ParseFailureRow {
    int notation;
    std::string text;
    std::string message;
};

void PrintTo(const ParseFailureRow &row, std::ostream *os)
{
    *os << "notation " << row.notation << " \"" << row.text << '"';
}

class ParseColorCodeFailureTest : public testing::TestWithParam<ParseFailureRow> { };

TEST_P(ParseColorCodeFailureTest, RaisesAConversionError)
{
    const ParseFailureRow &row = GetParam();
    try {
        ParseColorCode(row.text, row.notation);
        FAIL() << "no error";
    } catch (const ConvertError &error) {
        EXPECT_EQ(std::string(error.what()), row.message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    HexNotations, ParseColorCodeFailureTest,
    testing::Values(ParseFailureRow{notation::HTMLHex, "255,128,0", "'255,128,0' is not of the form #RRGGBB"},
                    ParseFailureRow{notation::HTMLHex, "", "'' is not of the form #RRGGBB"},
                    ParseFailureRow{notation::HTMLHex, "#FF 800", "'#FF 800' is not of the form #RRGGBB"},
                    ParseFailureRow{notation::HTMLHex, "#FF800", "'#FF800' is not of the form #RRGGBB"},
                    ParseFailureRow{notation::HTMLHex, "#AB", "'#AB' is not of the form #RRGGBB"},
                    ParseFailureRow{notation::HTMLHex, "#ABCD", "'#ABCD' is not of the form #RRGGBB"},
                    // Digits in front of the last six would be dropped.
                    ParseFailureRow{notation::HTMLHex, "#FF8000CC", "'#FF8000CC' has more digits than #RRGGBB"},
                    ParseFailureRow{notation::HTMLHex, "#1234567", "'#1234567' has more digits than #RRGGBB"},
                    ParseFailureRow{notation::HTMLHex, "0xFFFF8000", "'0xFFFF8000' has more digits than #RRGGBB"},
                    ParseFailureRow{notation::HTMLHex, "00FF8000", "'00FF8000' has more digits than #RRGGBB"},
                    ParseFailureRow{notation::DelphiHex, "$FF00 80FF", "'$0 ' is not a valid integer value"},
                    ParseFailureRow{notation::DelphiHex, "80FF", "'$' is not a valid integer value"},
                    ParseFailureRow{notation::VBHex, "&H80FF", "'$&H' is not a valid integer value"},
                    ParseFailureRow{notation::CppHex, "0x80FF", "'$0x' is not a valid integer value"},
                    ParseFailureRow{notation::Photoshop, "#FF8000", "'$#F' is not a valid integer value"},
                    ParseFailureRow{notation::Photoshop, "FF80", "'$' is not a valid integer value"},
                    ParseFailureRow{notation::Photoshop, "FF 8000", "'$ 8' is not a valid integer value"},
                    ParseFailureRow{notation::AndroidTransparent, "#FF8000", "'$#F' is not a valid integer value"},
                    ParseFailureRow{notation::AndroidTransparent, "#FFFF80 0", "'$ 0' is not a valid integer value"},
                    ParseFailureRow{notation::CSSRGBA, "#FF8000", "'$#F' is not a valid integer value"},
                    // The alpha byte is read last.
                    ParseFailureRow{notation::CSSRGBA, "#FF8000G0", "'$G0' is not a valid integer value"},
                    ParseFailureRow{notation::RGB565, "F8", "Invalid hexadecimal string format"},
                    ParseFailureRow{notation::RGB565, "0x", "Invalid hexadecimal string format"},
                    ParseFailureRow{notation::RGB565, "", "Invalid hexadecimal string format"},
                    ParseFailureRow{notation::RGB565, "\xC3\xA9", "Invalid hexadecimal string format"},
                    ParseFailureRow{notation::RGB565, "\xF0\x9F\x98\x80", "Invalid hexadecimal string format"},
                    ParseFailureRow{notation::RGB565, " 0xF800", "' 0xF800' does not start with 0x"},
                    ParseFailureRow{notation::RGB565, "0xF800 ", "'$F800 ' is not a valid integer value"},
                    ParseFailureRow{notation::RGB565, "0xG0", "'$G0' is not a valid integer value"},
                    ParseFailureRow{notation::RGB565, "0x123456789", "'$123456789' is not a valid integer value"},
                    // A word has sixteen bits, and the skipped characters are no digits.
                    ParseFailureRow{notation::RGB565, "0x1FC00", "'130048' is out of the range 0 to 65535"},
                    ParseFailureRow{notation::RGB565, "0xFFFFFFFF", "'-1' is out of the range 0 to 65535"},
                    ParseFailureRow{notation::RGB565, "65535", "'65535' does not start with 0x"},
                    ParseFailureRow{notation::RGB565, "ab1", "'ab1' does not start with 0x"},
                    // Cutting through the emoji's surrogate pair leaves no hexadecimal text.
                    ParseFailureRow{notation::RGB565,
                                    "x\xF0\x9F\x98\x80"
                                    "F800",
                                    "'$\x9F\x98\x80"
                                    "F800' is not a valid integer value"}));

INSTANTIATE_TEST_SUITE_P(
    NumberNotations, ParseColorCodeFailureTest,
    testing::Values(ParseFailureRow{notation::RGBValues, "255,128", "'' is not a valid integer value"},
                    ParseFailureRow{notation::RGBValues, "255,128,0,9", "'0,9' is not a valid integer value"},
                    ParseFailureRow{notation::RGBValues, "255,,0", "'' is not a valid integer value"},
                    ParseFailureRow{notation::RGBValues, "", "'' is not a valid integer value"},
                    ParseFailureRow{notation::RGBValues, "a,b,c", "'a' is not a valid integer value"},
                    ParseFailureRow{notation::RGBValues, "1.5,0,0", "'1.5' is not a valid integer value"},
                    ParseFailureRow{notation::RGBValues, " 255 , x , 0", "'x' is not a valid integer value"},
                    ParseFailureRow{notation::RGBValues, "#FF8000", "'' is not a valid integer value"},
                    ParseFailureRow{notation::RGBPercentValues, "100,50", "'' is not a valid integer value"},
                    ParseFailureRow{notation::HSL, "30 100 50", "'' is not a valid integer value"},
                    ParseFailureRow{notation::HSL, "30, 100%, 50%, 1", "'50, 1' is not a valid integer value"},
                    ParseFailureRow{notation::HSL, "-2147483648, 2147483647, 2147483647",
                                    "'-2147483648' is out of the range 0 to 360"},
                    ParseFailureRow{notation::HSVHSB, "361,255,255", "'361' is out of the range 0 to 360"},
                    ParseFailureRow{notation::HSVHSB, "-60,255,255", "'-60' is out of the range 0 to 360"},
                    ParseFailureRow{notation::HSVHSB, "30,255", "'' is not a valid integer value"},
                    ParseFailureRow{notation::CMY, "0,127", "'' is not a valid integer value"},
                    ParseFailureRow{notation::CMYK, "0,50,100", "'' is not a valid integer value"},
                    ParseFailureRow{notation::Powerbuilder, "", "'' is not a valid integer value"},
                    ParseFailureRow{notation::Powerbuilder, "1e5", "'1e5' is not a valid integer value"},
                    ParseFailureRow{notation::Powerbuilder, " 33 023 ", "'33 023' is not a valid integer value"},
                    ParseFailureRow{notation::Powerbuilder, "16777216000",
                                    "'16777216000' is not a valid integer value"}));

// A component outside its notation's range would wrap round to an unrelated
// colour; it is refused instead.
INSTANTIATE_TEST_SUITE_P(
    OutOfRange, ParseColorCodeFailureTest,
    testing::Values(ParseFailureRow{notation::RGBValues, "256,0,0", "'256' is out of the range 0 to 255"},
                    ParseFailureRow{notation::RGBValues, "300,0,0", "'300' is out of the range 0 to 255"},
                    ParseFailureRow{notation::RGBValues, "-1,0,0", "'-1' is out of the range 0 to 255"},
                    ParseFailureRow{notation::RGBValues, "0,0,$FFFFFFFF", "'-1' is out of the range 0 to 255"},
                    ParseFailureRow{notation::RGBPercentValues, "101,0,0", "'101' is out of the range 0 to 100"},
                    ParseFailureRow{notation::HSL, "30, 101%, 50%", "'101' is out of the range 0 to 100"},
                    ParseFailureRow{notation::HSL, "30, 100%, -1%", "'-1' is out of the range 0 to 100"},
                    ParseFailureRow{notation::HSL, "361, 100%, 50%", "'361' is out of the range 0 to 360"},
                    ParseFailureRow{notation::HSVHSB, "-59,255,255", "'-59' is out of the range 0 to 360"},
                    ParseFailureRow{notation::HSVHSB, "30,256,255", "'256' is out of the range 0 to 255"},
                    ParseFailureRow{notation::CMY, "256,0,0", "'256' is out of the range 0 to 255"},
                    ParseFailureRow{notation::CMYK, "0,0,0,255", "'255' is out of the range 0 to 100"},
                    ParseFailureRow{notation::CMYK, "101,0,0,0", "'101' is out of the range 0 to 100"},
                    ParseFailureRow{notation::Powerbuilder, "16777216", "'16777216' is out of the range 0 to 16777215"},
                    ParseFailureRow{notation::Powerbuilder, "-1", "'-1' is out of the range 0 to 16777215"}));

// With no notation chosen there is nothing to read the code in.
INSTANTIATE_TEST_SUITE_P(
    NoNotation, ParseColorCodeFailureTest,
    testing::Values(ParseFailureRow{notation::None, "#FF8000", "No notation is chosen to read the code in"},
                    ParseFailureRow{notation::None, "", "No notation is chosen to read the code in"},
                    ParseFailureRow{NotationCount, "anything", "No notation is chosen to read the code in"},
                    ParseFailureRow{-7, "0,0,0", "No notation is chosen to read the code in"}));

struct HexByteRow {
    std::string piece;
    int expected;
};

class HexByteTest : public testing::TestWithParam<HexByteRow> { };

TEST_P(HexByteTest, ReadsThePieceAsHexadecimal)
{
    EXPECT_EQ(HexByte(GetParam().piece), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, HexByteTest,
                         testing::Values(HexByteRow{"0", 0}, HexByteRow{"F", 15}, HexByteRow{"ff", 255},
                                         HexByteRow{"80", 128}, HexByteRow{"00FF", 255}, HexByteRow{"FFFFFFFF", -1}));

class HexByteFailureTest : public testing::TestWithParam<std::string> { };

TEST_P(HexByteFailureTest, RejectsAnythingButDigits)
{
    EXPECT_THROW(HexByte(GetParam()), ConvertError);
}

INSTANTIATE_TEST_SUITE_P(Rows, HexByteFailureTest,
                         testing::Values("", "-1", "+1", " 1", "1 ", "G", "#F", "x1", "$1", "123456789"));

struct RGB565WordRow {
    std::string text;
    std::uint16_t expected;
};

class RGB565TextToWordTest : public testing::TestWithParam<RGB565WordRow> { };

TEST_P(RGB565TextToWordTest, SkipsTwoCharactersAndReadsSixteenBits)
{
    EXPECT_EQ(RGB565TextToWord(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, RGB565TextToWordTest,
                         testing::Values(RGB565WordRow{"0xFC00", 0xFC00}, RGB565WordRow{"##1", 0x1},
                                         RGB565WordRow{"0xFFFF", 0xFFFF}, RGB565WordRow{"0x00005678", 0x5678},
                                         RGB565WordRow{"  0", 0}));

} // namespace
} // namespace pigmentrix
