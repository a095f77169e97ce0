#include "model/color_codes.h"

#include <gtest/gtest.h>

#include <string>

namespace pigmentrix {
namespace {

constexpr TColor Orange = ComposeColor(255, 128, 0);
constexpr TColor Navy = ComposeColor(18, 52, 86);

struct FormatRow {
    int notation;
    TColor color;
    int alpha;
    bool upperCase;
    std::string expected;
};

void PrintTo(const FormatRow &row, std::ostream *os)
{
    *os << "notation " << row.notation << " colour $" << std::hex << row.color << std::dec << " alpha " << row.alpha
        << (row.upperCase ? " upper" : " lower") << " -> \"" << row.expected << '"';
}

class FormatColorCodeTest : public testing::TestWithParam<FormatRow> { };

TEST_P(FormatColorCodeTest, BuildsTheCode)
{
    const FormatRow &row = GetParam();
    EXPECT_EQ(FormatColorCode(row.color, row.notation, row.alpha, row.upperCase), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Examples, FormatColorCodeTest,
                         testing::Values(FormatRow{notation::HTMLHex, Orange, 255, true, "#FF8000"},
                                         FormatRow{notation::HTMLHex, Navy, 128, true, "#123456"},
                                         FormatRow{notation::DelphiHex, Orange, 255, true, "$FF0080FF"},
                                         FormatRow{notation::DelphiHex, Navy, 128, true, "$80563412"},
                                         FormatRow{notation::VBHex, Orange, 255, true, "&H0080FF"},
                                         FormatRow{notation::VBHex, Navy, 128, true, "&H563412"},
                                         FormatRow{notation::CppHex, Orange, 255, true, "0xFF0080FF"},
                                         FormatRow{notation::CppHex, Navy, 128, true, "0x80563412"},
                                         FormatRow{notation::RGBValues, Orange, 255, true, "255,128,0"},
                                         FormatRow{notation::RGBValues, Navy, 128, true, "18,52,86"},
                                         FormatRow{notation::RGBPercentValues, Orange, 255, true, "100,50,0"},
                                         FormatRow{notation::RGBPercentValues, Navy, 128, true, "7,20,34"},
                                         FormatRow{notation::HSL, Orange, 255, true, "30, 100%, 50%"},
                                         FormatRow{notation::HSL, Navy, 128, true, "210, 65%, 20%"},
                                         FormatRow{notation::HSVHSB, Orange, 255, true, "30,255,255"},
                                         FormatRow{notation::HSVHSB, Navy, 128, true, "210,202,86"},
                                         FormatRow{notation::CMY, Orange, 255, true, "0,127,255"},
                                         FormatRow{notation::CMY, Navy, 128, true, "237,203,169"},
                                         FormatRow{notation::CMYK, Orange, 255, true, "0,50,100,0"},
                                         FormatRow{notation::CMYK, Navy, 128, true, "79,40,0,66"},
                                         FormatRow{notation::Photoshop, Orange, 255, true, "FF8000"},
                                         FormatRow{notation::Photoshop, Navy, 128, true, "123456"},
                                         FormatRow{notation::Powerbuilder, Orange, 255, true, "33023"},
                                         FormatRow{notation::Powerbuilder, Navy, 128, true, "5649426"},
                                         FormatRow{notation::AndroidTransparent, Orange, 255, true, "#FFFF8000"},
                                         FormatRow{notation::AndroidTransparent, Navy, 128, true, "#80123456"},
                                         FormatRow{notation::CSSRGBA, Orange, 255, true, "#FF8000FF"},
                                         FormatRow{notation::CSSRGBA, Navy, 128, true, "#12345680"},
                                         FormatRow{notation::RGB565, Orange, 255, true, "0xFC00"},
                                         FormatRow{notation::RGB565, Navy, 128, true, "0x11AA"}));

INSTANTIATE_TEST_SUITE_P(LowerCase, FormatColorCodeTest,
                         testing::Values(FormatRow{notation::HTMLHex, Orange, 255, false, "#ff8000"},
                                         FormatRow{notation::DelphiHex, Orange, 255, false, "$ff0080ff"},
                                         FormatRow{notation::VBHex, Orange, 255, false, "&h0080ff"},
                                         FormatRow{notation::CppHex, Orange, 255, false, "0xff0080ff"},
                                         FormatRow{notation::Photoshop, Orange, 255, false, "ff8000"},
                                         FormatRow{notation::AndroidTransparent, Navy, 171, false, "#ab123456"},
                                         FormatRow{notation::CSSRGBA, Navy, 171, false, "#123456ab"},
                                         FormatRow{notation::RGB565, Orange, 255, false, "0xfc00"},
                                         FormatRow{notation::RGB565, clWhite, 255, false, "0xffff"},
                                         FormatRow{notation::RGBValues, Orange, 255, false, "255,128,0"},
                                         FormatRow{notation::HSL, Orange, 255, false, "30, 100%, 50%"}));

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, FormatColorCodeTest,
    testing::Values(FormatRow{notation::None, Orange, 255, true, ""}, FormatRow{NotationCount, Orange, 255, true, ""},
                    FormatRow{-2, Orange, 255, false, ""},
                    // A hue that rounds up to 360 is shown as 360.
                    FormatRow{notation::HSL, ComposeColor(255, 0, 1), 255, true, "360, 100%, 50%"},
                    FormatRow{notation::HSVHSB, ComposeColor(255, 0, 1), 255, true, "360,255,255"},
                    FormatRow{notation::RGBPercentValues, ComposeColor(128, 128, 128), 255, true, "50,50,50"},
                    FormatRow{notation::CMYK, ComposeColor(128, 128, 128), 255, true, "0,0,0,50"},
                    FormatRow{notation::CMYK, clBlack, 255, true, "0,0,0,100"},
                    FormatRow{notation::CMYK, clWhite, 255, true, "0,0,0,0"},
                    FormatRow{notation::HSL, clBlack, 255, true, "0, 0%, 0%"},
                    FormatRow{notation::HSL, clWhite, 255, true, "0, 0%, 100%"},
                    FormatRow{notation::HSVHSB, clBlack, 255, true, "0,0,0"},
                    FormatRow{notation::RGB565, clWhite, 255, true, "0xFFFF"},
                    FormatRow{notation::RGB565, clBlack, 255, true, "0x0000"},
                    FormatRow{notation::Powerbuilder, clWhite, 255, true, "16777215"},
                    FormatRow{notation::Powerbuilder, clBlack, 255, true, "0"},
                    FormatRow{notation::DelphiHex, Orange, 0, true, "$000080FF"},
                    FormatRow{notation::AndroidTransparent, clBlack, 0, true, "#00000000"},
                    // Codes are built from the three low bytes only, without a system colour lookup.
                    FormatRow{notation::HTMLHex, static_cast<TColor>(0xFF00000Fu), 255, true, "#0F0000"},
                    FormatRow{notation::Powerbuilder, static_cast<TColor>(0x7F0080FFu), 255, true, "33023"},
                    FormatRow{notation::CppHex, static_cast<TColor>(0xEE563412u), 128, true, "0x80563412"}));

class NotationPropertyTest : public testing::TestWithParam<int> { };

TEST_P(NotationPropertyTest, IgnoresBitsTwentyFourToThirtyOne)
{
    const int index = GetParam();
    for (const TColor color : {Orange, Navy, clWhite, clBlack, ComposeColor(255, 0, 1)}) {
        const std::string expected = FormatColorCode(color, index, 200, true);
        for (const std::uint32_t high : {0x01000000u, 0x80000000u, 0xFF000000u}) {
            const TColor withHighBits = static_cast<TColor>(static_cast<std::uint32_t>(color) | high);
            EXPECT_EQ(FormatColorCode(withHighBits, index, 200, true), expected);
        }
    }
}

TEST_P(NotationPropertyTest, DependsOnAlphaOnlyInTheAlphaNotations)
{
    const int index = GetParam();
    const bool carriesAlpha = index == notation::DelphiHex || index == notation::CppHex
                              || index == notation::AndroidTransparent || index == notation::CSSRGBA
                              || index >= notation::CSSColor;
    EXPECT_EQ(FormatColorCode(Navy, index, 255, true) != FormatColorCode(Navy, index, 128, true), carriesAlpha);
}

TEST_P(NotationPropertyTest, LowerCaseIsTheUpperCaseCodeLowered)
{
    const int index = GetParam();
    for (const TColor color : {Orange, Navy, ComposeColor(0xAB, 0xCD, 0xEF)}) {
        std::string expected = FormatColorCode(color, index, 0xBC, true);
        for (char &c : expected)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        EXPECT_EQ(FormatColorCode(color, index, 0xBC, false), expected);
    }
}

// "Uppercase Color Codes" switched on turns a shown lower-case code into the
// code the notation builds in upper case, whatever the notation.
TEST_P(NotationPropertyTest, UpperCaseHexDigitsGiveTheUpperCaseCode)
{
    const int index = GetParam();
    for (const TColor color : {Orange, Navy, ComposeColor(0xAB, 0xCD, 0xEF), ComposeColor(0x1E, 0x14, 0x0A)})
        EXPECT_EQ(UpperCaseHexDigits(FormatColorCode(color, index, 0xBC, false)),
                  FormatColorCode(color, index, 0xBC, true));
}

INSTANTIATE_TEST_SUITE_P(AllNotations, NotationPropertyTest, testing::Range(-1, NotationCount));

struct UpperCaseRow {
    std::string code;
    std::string expected;
};

void PrintTo(const UpperCaseRow &row, std::ostream *os)
{
    *os << '"' << row.code << '"';
}

class UpperCaseHexDigitsTest : public testing::TestWithParam<UpperCaseRow> { };

TEST_P(UpperCaseHexDigitsTest, RaisesTheHexadecimalDigitsOnly)
{
    EXPECT_EQ(UpperCaseHexDigits(GetParam().code), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, UpperCaseHexDigitsTest,
                         testing::Values(UpperCaseRow{"oklch(0.7737 0.1567 57.07)", "oklch(0.7737 0.1567 57.07)"},
                                         UpperCaseRow{"0xff1e140a", "0xFF1E140A"},
                                         UpperCaseRow{"0Xff1e140a", "0XFF1E140A"}, UpperCaseRow{"&h0080ff", "&H0080FF"},
                                         UpperCaseRow{"#ff8000", "#FF8000"}, UpperCaseRow{"$ff0080ff", "$FF0080FF"},
                                         UpperCaseRow{"ff8000", "FF8000"},
                                         UpperCaseRow{"rebeccapurple", "rebeccapurple"},
                                         UpperCaseRow{"color(rec2020 0 0 1)", "color(rec2020 0 0 1)"},
                                         UpperCaseRow{"rgb(255 128 0 / 0.502)", "rgb(255 128 0 / 0.502)"},
                                         UpperCaseRow{"hwb(30deg 0% 0%)", "hwb(30deg 0% 0%)"}, UpperCaseRow{"0x", "0x"},
                                         UpperCaseRow{"&h", "&h"}, UpperCaseRow{"x&hfe y", "x&HFE y"},
                                         UpperCaseRow{"", ""}));

} // namespace
} // namespace pigmentrix
