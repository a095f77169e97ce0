#include "model/conversions.h"

#include <gtest/gtest.h>

#include <optional>

namespace pigmentrix {
namespace {

// The system colour numbers the form uses, as negative TColor values.
constexpr TColor clScrollBar = static_cast<TColor>(0xFF000000u);
constexpr TColor clBtnFace = static_cast<TColor>(0xFF00000Fu);
constexpr TColor clInfoBk = static_cast<TColor>(0xFF000018u);

struct ComposeRow {
    int r;
    int g;
    int b;
    TColor expected;
};

class ComposeColorTest : public testing::TestWithParam<ComposeRow> { };

TEST_P(ComposeColorTest, TakesTheLowEightBitsOfEachChannel)
{
    const ComposeRow &row = GetParam();
    EXPECT_EQ(ComposeColor(row.r, row.g, row.b), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, ComposeColorTest,
                         testing::Values(ComposeRow{255, 128, 0, 0x0080FF}, ComposeRow{300, 0, 0, 44},
                                         ComposeRow{256, 0, 0, 0}, ComposeRow{-1, 0, 0, 255},
                                         ComposeRow{0, 300, 0, 44 << 8}, ComposeRow{0, 0, -1, 0xFF0000}));

TEST(ChannelTest, IgnoresBitsAboveBlue)
{
    const TColor c = static_cast<TColor>(0xAB563412u);
    EXPECT_EQ(RedOf(c), 18);
    EXPECT_EQ(GreenOf(c), 52);
    EXPECT_EQ(BlueOf(c), 86);
}

struct ColorToRGBRow {
    TColor c;
    TColor expected;
};

class ColorToRGBTest : public testing::TestWithParam<ColorToRGBRow> { };

TEST_P(ColorToRGBTest, ResolvesSystemColoursOnly)
{
    EXPECT_EQ(ColorToRGB(GetParam().c), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, ColorToRGBTest,
                         testing::Values(ColorToRGBRow{0x0080FF, 0x0080FF}, ColorToRGBRow{0x120080FF, 0x120080FF},
                                         ColorToRGBRow{clScrollBar, ComposeColor(212, 208, 200)},
                                         ColorToRGBRow{clBtnFace, ComposeColor(212, 208, 200)},
                                         ColorToRGBRow{clInfoBk, ComposeColor(255, 255, 225)},
                                         ColorToRGBRow{static_cast<TColor>(0xFF00001Fu), clBlack},
                                         ColorToRGBRow{static_cast<TColor>(0x800000FFu), clBlack}));

struct RGBtoHSVRow {
    int r;
    int g;
    int b;
    double h;
    double s;
    double v;
};

class RGBtoHSVTest : public testing::TestWithParam<RGBtoHSVRow> { };

TEST_P(RGBtoHSVTest, GivesDegreesAndBytes)
{
    const RGBtoHSVRow &row = GetParam();
    const HSVValues hsv = RGBtoHSV(row.r, row.g, row.b);
    EXPECT_DOUBLE_EQ(hsv.H, row.h);
    EXPECT_DOUBLE_EQ(hsv.S, row.s);
    EXPECT_DOUBLE_EQ(hsv.V, row.v);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RGBtoHSVTest,
    testing::Values(RGBtoHSVRow{255, 128, 0, 7680.0 / 255, 255, 255}, RGBtoHSVRow{18, 52, 86, 210, 68.0 / 86 * 255, 86},
                    RGBtoHSVRow{0, 0, 0, 0, 0, 0}, RGBtoHSVRow{128, 128, 128, 0, 0, 128},
                    RGBtoHSVRow{255, 255, 255, 0, 0, 255},
                    // Red wins a tie for the largest channel, then green.
                    RGBtoHSVRow{255, 255, 0, 60, 255, 255}, RGBtoHSVRow{0, 255, 255, 180, 255, 255},
                    RGBtoHSVRow{255, 0, 255, 300, 255, 255}, RGBtoHSVRow{255, 0, 1, 360 - 60.0 / 255, 255, 255}));

struct HSVtoRGBRow {
    double h;
    double s;
    double v;
    std::optional<RGBValues> expected;
};

class HSVtoRGBTest : public testing::TestWithParam<HSVtoRGBRow> { };

TEST_P(HSVtoRGBTest, RoundsEachChannel)
{
    const HSVtoRGBRow &row = GetParam();
    EXPECT_EQ(HSVtoRGB(row.h, row.s, row.v), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HSVtoRGBTest,
    testing::Values(HSVtoRGBRow{30, 255, 255, RGBValues{255, 128, 0}}, HSVtoRGBRow{210, 202, 86, RGBValues{18, 52, 86}},
                    HSVtoRGBRow{0, 255, 255, RGBValues{255, 0, 0}}, HSVtoRGBRow{360, 255, 255, RGBValues{255, 0, 0}},
                    HSVtoRGBRow{120, 255, 255, RGBValues{0, 255, 0}}, HSVtoRGBRow{240, 255, 255, RGBValues{0, 0, 255}},
                    HSVtoRGBRow{300, 255, 255, RGBValues{255, 0, 255}},
                    HSVtoRGBRow{359, 255, 255, RGBValues{255, 0, 4}},
                    // Grey truncates the value instead of rounding it.
                    HSVtoRGBRow{0, 0, 127.6, RGBValues{127, 127, 127}},
                    HSVtoRGBRow{400, 0, 127.6, RGBValues{127, 127, 127}},
                    // Just above -60 the hue still lands in the first sector.
                    HSVtoRGBRow{-30, 255, 255, RGBValues{255, -128, 0}}, HSVtoRGBRow{361, 255, 255, std::nullopt},
                    HSVtoRGBRow{420, 255, 255, std::nullopt}, HSVtoRGBRow{-60, 255, 255, std::nullopt}));

struct RGBtoHSLRow {
    TColor c;
    double h;
    double s;
    double l;
};

class RGBtoHSLTest : public testing::TestWithParam<RGBtoHSLRow> { };

TEST_P(RGBtoHSLTest, GivesFractions)
{
    const RGBtoHSLRow &row = GetParam();
    const HSLValues hsl = RGBtoHSL(row.c);
    EXPECT_NEAR(hsl.H, row.h, 1e-12);
    EXPECT_NEAR(hsl.S, row.s, 1e-12);
    EXPECT_NEAR(hsl.L, row.l, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Rows, RGBtoHSLTest,
                         testing::Values(RGBtoHSLRow{ComposeColor(255, 128, 0), 128.0 / 255 / 6, 1, 0.5},
                                         RGBtoHSLRow{ComposeColor(18, 52, 86), 210.0 / 360, 68.0 / 104, 104.0 / 510},
                                         RGBtoHSLRow{ComposeColor(128, 128, 128), 0, 0, 128.0 / 255},
                                         RGBtoHSLRow{clBlack, 0, 0, 0}, RGBtoHSLRow{clWhite, 0, 0, 1},
                                         RGBtoHSLRow{ComposeColor(255, 0, 1), 1 - 1.0 / 255 / 6, 1, 0.5},
                                         RGBtoHSLRow{static_cast<TColor>(0x7F0080FF), 128.0 / 255 / 6, 1, 0.5}));

struct HSLtoRGBRow {
    double h;
    double s;
    double l;
    TColor expected;
};

class HSLtoRGBTest : public testing::TestWithParam<HSLtoRGBRow> { };

TEST_P(HSLtoRGBTest, RoundsEachChannel)
{
    const HSLtoRGBRow &row = GetParam();
    EXPECT_EQ(HSLtoRGB(row.h, row.s, row.l), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, HSLtoRGBTest,
                         testing::Values(HSLtoRGBRow{30.0 / 360, 1, 0.5, ComposeColor(255, 128, 0)},
                                         HSLtoRGBRow{210.0 / 360, 0.65, 0.20, ComposeColor(18, 51, 84)},
                                         HSLtoRGBRow{0, 1, 0.5, ComposeColor(255, 0, 0)},
                                         HSLtoRGBRow{1, 1, 0.5, ComposeColor(255, 0, 0)},
                                         HSLtoRGBRow{120.0 / 360, 1, 0.25, ComposeColor(0, 128, 0)},
                                         // Without saturation the lightness is rounded, 127.5 to the even 128.
                                         HSLtoRGBRow{0, 0, 0.5, ComposeColor(128, 128, 128)},
                                         HSLtoRGBRow{0.7, 0, 1, clWhite},
                                         // A channel outside 0..255 wraps: lightness 2 gives 510 = 254.
                                         HSLtoRGBRow{0, 0, 2, ComposeColor(254, 254, 254)}));

struct CMYRow {
    int r;
    int g;
    int b;
    CMYValues cmy;
    CMYKValues cmyk;
};

class CMYTest : public testing::TestWithParam<CMYRow> { };

TEST_P(CMYTest, ConvertsToInksAndPercentages)
{
    const CMYRow &row = GetParam();
    EXPECT_EQ(RGBtoCMY(row.r, row.g, row.b), row.cmy);
    EXPECT_EQ(RGBtoCMYK(row.r, row.g, row.b), row.cmyk);
}

INSTANTIATE_TEST_SUITE_P(Rows, CMYTest,
                         testing::Values(CMYRow{255, 128, 0, {0, 127, 255}, {0, 50, 100, 0}},
                                         CMYRow{18, 52, 86, {237, 203, 169}, {79, 40, 0, 66}},
                                         CMYRow{0, 0, 0, {255, 255, 255}, {0, 0, 0, 100}},
                                         CMYRow{255, 255, 255, {0, 0, 0}, {0, 0, 0, 0}},
                                         CMYRow{128, 128, 128, {127, 127, 127}, {0, 0, 0, 50}}));

struct HTMLRow {
    TColor c;
    const char *expected;
};

class ColorToHTMLTest : public testing::TestWithParam<HTMLRow> { };

TEST_P(ColorToHTMLTest, WritesRedFirstInUpperCase)
{
    EXPECT_EQ(ColorToHTML(GetParam().c), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, ColorToHTMLTest,
                         testing::Values(HTMLRow{ComposeColor(255, 128, 0), "#FF8000"},
                                         HTMLRow{ComposeColor(18, 52, 86), "#123456"}, HTMLRow{clBlack, "#000000"},
                                         HTMLRow{clWhite, "#FFFFFF"},
                                         // No system colour lookup: the low bytes are written as they are.
                                         HTMLRow{clBtnFace, "#0F0000"},
                                         HTMLRow{static_cast<TColor>(0x5A0080FF), "#FF8000"}));

struct InverseRow {
    TColor c;
    TColor expected;
};

class InverseColorTest : public testing::TestWithParam<InverseRow> { };

TEST_P(InverseColorTest, InvertsTheResolvedChannels)
{
    EXPECT_EQ(InverseColor(GetParam().c), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, InverseColorTest,
                         testing::Values(InverseRow{ComposeColor(255, 128, 0), ComposeColor(0, 127, 255)},
                                         InverseRow{clBlack, clWhite}, InverseRow{clWhite, clBlack},
                                         InverseRow{static_cast<TColor>(0x3F0080FF), ComposeColor(0, 127, 255)},
                                         InverseRow{clBtnFace, ComposeColor(43, 47, 55)}));

struct ContrastRow {
    TColor c;
    TColor expected;
};

class ContrastColorTest : public testing::TestWithParam<ContrastRow> { };

TEST_P(ContrastColorTest, PicksReadableText)
{
    EXPECT_EQ(ContrastColor(GetParam().c), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, ContrastColorTest,
                         testing::Values(ContrastRow{ComposeColor(128, 128, 128), clWhite},
                                         ContrastRow{ComposeColor(129, 129, 129), clBlack},
                                         ContrastRow{ComposeColor(255, 0, 0), clWhite},
                                         ContrastRow{ComposeColor(0, 255, 0), clBlack}, ContrastRow{clBlack, clWhite},
                                         ContrastRow{clWhite, clBlack}, ContrastRow{clInfoBk, clBlack}));

struct TripleRow {
    int h;
    int s;
    int v;
    PixelTriple expected;
};

class HSVtoRGBTripleTest : public testing::TestWithParam<TripleRow> { };

TEST_P(HSVtoRGBTripleTest, UsesTruncatingIntegerArithmetic)
{
    const TripleRow &row = GetParam();
    EXPECT_EQ(HSVtoRGBTriple(row.h, row.s, row.v), row.expected);
}

// PixelTriple lists blue, green, red.
INSTANTIATE_TEST_SUITE_P(Rows, HSVtoRGBTripleTest,
                         testing::Values(TripleRow{30, 255, 255, {0, 128, 255}}, TripleRow{359, 255, 255, {5, 0, 255}},
                                         TripleRow{0, 255, 255, {0, 0, 255}}, TripleRow{360, 255, 255, {0, 0, 255}},
                                         TripleRow{90, 255, 255, {0, 255, 128}},
                                         TripleRow{180, 255, 255, {255, 255, 0}},
                                         TripleRow{270, 255, 255, {255, 0, 128}}, TripleRow{210, 202, 86, {86, 52, 18}},
                                         TripleRow{123, 0, 77, {77, 77, 77}}, TripleRow{0, 0, 300, {44, 44, 44}},
                                         TripleRow{-1, 255, 255, {0, 252, 255}}, TripleRow{420, 255, 255, {0, 0, 0}},
                                         TripleRow{-60, 255, 255, {0, 0, 0}}));

struct RGB565Row {
    std::uint16_t w;
    TColor expected;
};

class RGB565ToColorTest : public testing::TestWithParam<RGB565Row> { };

TEST_P(RGB565ToColorTest, LeavesTheLowBitsEmpty)
{
    EXPECT_EQ(RGB565ToColor(GetParam().w), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, RGB565ToColorTest,
                         testing::Values(RGB565Row{0xFFFF, ComposeColor(248, 252, 248)},
                                         RGB565Row{0xFC00, ComposeColor(248, 128, 0)}, RGB565Row{0x0000, clBlack},
                                         RGB565Row{0xF800, ComposeColor(248, 0, 0)},
                                         RGB565Row{0x07E0, ComposeColor(0, 252, 0)},
                                         RGB565Row{0x001F, ComposeColor(0, 0, 248)}));

} // namespace
} // namespace pigmentrix
