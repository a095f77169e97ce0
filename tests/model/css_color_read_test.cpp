#include "model/color_codes.h"
#include "model/css_color.h"
#include "model/integer_text.h"

#include <gtest/gtest.h>

#include <string>

namespace pigmentrix {
namespace {

struct ReadRow {
    std::string text;
    TColor color;
    int alpha = 255;
};

void PrintTo(const ReadRow &row, std::ostream *os)
{
    *os << '"' << row.text << '"';
}

class ReadCssColorTest : public testing::TestWithParam<ReadRow> { };

TEST_P(ReadCssColorTest, ReadsTheColourAndAlpha)
{
    const ReadRow &row = GetParam();
    EXPECT_EQ(ReadCssColor(row.text), (CssColor{row.color, row.alpha}));
}

constexpr TColor Orange = ComposeColor(255, 128, 0);
// The colours CSS Color 4 writes in several notations in its own examples.
constexpr TColor DeepRed = ComposeColor(0x7D, 0x23, 0x29);
constexpr TColor Ochre = ComposeColor(0xC6, 0x5D, 0x06);
constexpr TColor SkyBlue = ComposeColor(0x62, 0xAC, 0xEF);
constexpr TColor Violet = ComposeColor(0x76, 0x54, 0xCD);

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, ReadCssColorTest,
    testing::Values(
        ReadRow{"lab(29.2345% 39.3825 20.0664)", DeepRed}, ReadRow{"lch(29.2345% 44.2 27)", DeepRed},
        ReadRow{"oklch(40.101% 0.12332 21.555)", DeepRed}, ReadRow{"lab(52.2345% 40.1645 59.9971)", Ochre},
        ReadRow{"lch(52.2345% 72.2 56.2)", Ochre}, ReadRow{"oklch(59.686% 0.15619 49.7694)", Ochre},
        ReadRow{"lab(52.2345% 40.1645 59.9971 / .5)", Ochre, 128}, ReadRow{"lab(67.5345% -8.6911 -41.6019)", SkyBlue},
        ReadRow{"lch(67.5345% 42.5 258.2)", SkyBlue}, ReadRow{"rgb(46.27% 32.94% 80.39%)", Violet},
        ReadRow{"#7654CD", Violet}, ReadRow{"color(xyz-d50 0.2005 0.14089 0.4472)", Violet},
        ReadRow{"rgb(29 164 192 / 95%)", ComposeColor(29, 164, 192), 242},
        ReadRow{"hsl(120deg 100% 50%)", ComposeColor(0, 255, 0)},
        ReadRow{"hsl(120deg 100% 25%)", ComposeColor(0, 128, 0)},
        ReadRow{"hsl(120deg 100% 75%)", ComposeColor(128, 255, 128)}, ReadRow{"hwb(0 0% 0%)", ComposeColor(255, 0, 0)},
        ReadRow{"hwb(120 60% 20%)", ComposeColor(153, 204, 153)},
        ReadRow{"rebeccapurple", ComposeColor(0x66, 0x33, 0x99)}, ReadRow{"#3a5", ComposeColor(0x33, 0xAA, 0x55)}));

INSTANTIATE_TEST_SUITE_P(
    Forms, ReadCssColorTest,
    testing::Values(ReadRow{"rgb(255 128 0)", Orange}, ReadRow{"rgb(255 128 0 / 0.502)", Orange, 128},
                    ReadRow{"rgb(255, 128, 0)", Orange}, ReadRow{"rgba(255,128,0,0.5)", Orange, 128},
                    ReadRow{"rgba(255 128 0)", Orange}, ReadRow{"rgb(100%, 50%, 0%)", Orange},
                    ReadRow{"rgb(100% 128 none)", Orange}, ReadRow{"rgb(255 128 0 / none)", Orange, 0},
                    ReadRow{"hsl(30.12 100% 50%)", Orange}, ReadRow{"hsla(30.12, 100%, 50%, 50%)", Orange, 128},
                    ReadRow{"hsl(30.12 100 50)", Orange}, ReadRow{"hwb(30.12 0% 0%)", Orange},
                    ReadRow{"lab(67.82 45.49 74.84)", Orange}, ReadRow{"lch(67.82 87.58 58.71)", Orange},
                    ReadRow{"oklab(0.7319 0.1119 0.1484)", Orange}, ReadRow{"oklab(73.19% 27.975% 37.1%)", Orange},
                    ReadRow{"oklch(0.7319 0.1858 52.98)", Orange}, ReadRow{"color(srgb 1 0.502 0)", Orange},
                    ReadRow{"color(srgb 100% 50.2% 0%)", Orange}, ReadRow{"#FF8000", Orange},
                    ReadRow{"#ff800080", Orange, 128}, ReadRow{"#FF88", ComposeColor(255, 255, 136), 136},
                    ReadRow{"transparent", clBlack, 0}, ReadRow{"Orange", ComposeColor(255, 165, 0)},
                    ReadRow{"  RGB(255 128 0)\n", Orange}, ReadRow{"OKLCH(0.7319 0.1858 52.98DEG)", Orange},
                    ReadRow{"hsl(+30.12 100% 50%)", Orange}, ReadRow{"rgb(2.55e2 1.28E2 0)", Orange},
                    ReadRow{"rgb(255\t128\t0/1)", Orange}, ReadRow{"color(srgb-linear 1 0.2158605 0)", Orange},
                    ReadRow{"color(xyz 0.48958 0.36702 0.04506)", Orange},
                    ReadRow{"color(display-p3 0.93612 0.52902 0.19873)", Orange},
                    // rec2020 decodes with the pure 2.4 gamma of BT.1886.
                    ReadRow{"color(rec2020 0.291 0.272 0.902)", ComposeColor(0x0A, 0x36, 0xF0)},
                    ReadRow{"color(rec2020 0.5 0.5 0.5)", ComposeColor(0x78, 0x78, 0x78)},
                    ReadRow{"color(rec2020 1 1 1)", clWhite}));

INSTANTIATE_TEST_SUITE_P(AngleUnits, ReadCssColorTest,
                         testing::Values(ReadRow{"hsl(120deg 100% 50%)", ComposeColor(0, 255, 0)},
                                         ReadRow{"hsl(133.333grad 100% 50%)", ComposeColor(0, 255, 0)},
                                         ReadRow{"hsl(2.0944rad 100% 50%)", ComposeColor(0, 255, 0)},
                                         ReadRow{"hsl(0.3333turn 100% 50%)", ComposeColor(0, 255, 0)},
                                         ReadRow{"hsl(480 100% 50%)", ComposeColor(0, 255, 0)},
                                         ReadRow{"hsl(-240 100% 50%)", ComposeColor(0, 255, 0)},
                                         ReadRow{"hsl(none 100% 50%)", ComposeColor(255, 0, 0)}));

// Channels land halfway between two 8-bit values and go up.
INSTANTIATE_TEST_SUITE_P(RoundHalfUp, ReadCssColorTest,
                         testing::Values(ReadRow{"rgb(127.5 0 0)", ComposeColor(128, 0, 0)},
                                         ReadRow{"rgb(50% 0 0)", ComposeColor(128, 0, 0)},
                                         ReadRow{"rgb(126.5 0.5 254.5)", ComposeColor(127, 1, 255)},
                                         ReadRow{"rgb(127.49 0 0)", ComposeColor(127, 0, 0)},
                                         ReadRow{"hsl(0 0% 50%)", ComposeColor(128, 128, 128)},
                                         ReadRow{"color(srgb 0.5 0.5 0.5)", ComposeColor(128, 128, 128)},
                                         ReadRow{"rgb(0 0 0 / 0.5)", clBlack, 128}));

// Out-of-range values are clamped where CSS clamps them.
INSTANTIATE_TEST_SUITE_P(
    Clamping, ReadCssColorTest,
    testing::Values(ReadRow{"rgb(300 -20 128)", ComposeColor(255, 0, 128)},
                    ReadRow{"rgb(120% -5% 50%)", ComposeColor(255, 0, 128)}, ReadRow{"rgb(255 128 0 / 1.5)", Orange},
                    ReadRow{"rgb(255 128 0 / -1)", Orange, 0}, ReadRow{"rgb(255 128 0 / 200%)", Orange},
                    ReadRow{"hsl(30.12 -50% 50%)", ComposeColor(128, 128, 128)}, ReadRow{"lab(150 0 0)", clWhite},
                    ReadRow{"lab(-10 0 0)", clBlack}, ReadRow{"lch(50 -30 40)", ComposeColor(119, 119, 119)},
                    ReadRow{"oklab(1.5 0 0)", clWhite}, ReadRow{"oklch(-0.5 0.1 30)", clBlack},
                    ReadRow{"rgb(1e999 0 0)", ComposeColor(255, 0, 0)}, ReadRow{"rgb(1e-999 0 0)", clBlack},
                    ReadRow{"hwb(0 60% 60%)", ComposeColor(128, 128, 128)}));

// Colours outside sRGB are brought in by reducing chroma in OKLCH, not by
// clipping each channel: display-p3 pure green clipped would be #00FF00.
INSTANTIATE_TEST_SUITE_P(GamutMapping, ReadCssColorTest,
                         testing::Values(ReadRow{"color(display-p3 0 1 0)", ComposeColor(0, 0xFB, 0x29)},
                                         ReadRow{"color(display-p3 1 0 0)", ComposeColor(255, 0x0B, 0x0C)},
                                         ReadRow{"oklch(0.7 0.4 30)", ComposeColor(255, 0x58, 0x43)},
                                         ReadRow{"oklch(1 0.4 30)", clWhite}, ReadRow{"lch(0 150 30)", clBlack},
                                         ReadRow{"color(rec2020 0 0 1)", ComposeColor(0, 0x51, 0x93)}));

class ReadCssColorFailureTest : public testing::TestWithParam<std::string> { };

TEST_P(ReadCssColorFailureTest, RaisesAConversionError)
{
    EXPECT_THROW(ReadCssColor(GetParam()), ConvertError);
}

INSTANTIATE_TEST_SUITE_P(Unsupported, ReadCssColorFailureTest,
                         testing::Values("calc(1)", "rgb(calc(255) 0 0)", "rgb(from red r g b)",
                                         "color-mix(in srgb, red, blue)", "rgb(var(--x) 0 0)", "currentcolor",
                                         "color(from red srgb r g b)"));

INSTANTIATE_TEST_SUITE_P(Malformed, ReadCssColorFailureTest,
                         testing::Values("", "   ", "#", "#12", "#12345", "#1234567", "#GGGGGG", "# FF8000",
                                         "notacolor", "rgb", "rgb(", "rgb()", "rgb(255 128)", "rgb(255 128 0 0)",
                                         "rgb(255 128 0", "rgb (255 128 0)", "rgb(255, 128 0)", "rgb(255, 128, 0 / 1)",
                                         "rgb(255,128,0,)", "rgb(,255,128,0)", "rgb(255,,128,0)", "rgb(100%, 128, 0)",
                                         "rgb(none, 0, 0)", "rgb(255 128 0 /)", "rgb(255 128 0 / 1 1)",
                                         "rgb(255 128 0) x", "rgb(255px 0 0)", "rgb(255 128 0 / 30px)", "rgb(1. 0 0)",
                                         "rgb(- 0 0)", "rgb(e1 0 0)", "hsl(30%, 100%, 50%)", "hsl(30, 100, 50)",
                                         "hsl(30 100% 50% 1)", "hsl(30foo 100% 50%)", "hwb(30, 0%, 0%)",
                                         "lab(50, 0, 0)", "lch(50 40 30%)", "oklab(0.5 0 0 0)", "color(srgb 1 0)",
                                         "color(cmyk 1 0 0)", "color(1 0 0)", "color()", "rgb(255 128 0 ))",
                                         "rgb((255) 128 0)", "fancy(1 2 3)", "rgb(255 128 0 / 0.5 / 1)",
                                         "hsl(120deg, 100%, 50%, 1, 1)", "rgb(255 128 0 ; 1)"));

} // namespace
} // namespace pigmentrix
