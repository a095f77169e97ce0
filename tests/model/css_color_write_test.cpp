#include "model/color_codes.h"

#include <gtest/gtest.h>

#include <string>

namespace pigmentrix {
namespace {

struct WriteRow {
    int notation;
    TColor color;
    int alpha;
    std::string expected;
};

void PrintTo(const WriteRow &row, std::ostream *os)
{
    *os << NotationNames[static_cast<std::size_t>(row.notation)] << " alpha " << row.alpha;
}

class WriteCssNotationTest : public testing::TestWithParam<WriteRow> { };

TEST_P(WriteCssNotationTest, WritesTheCode)
{
    const WriteRow &row = GetParam();
    EXPECT_EQ(FormatColorCode(row.color, row.notation, row.alpha, true), row.expected);
    EXPECT_EQ(FormatColorCode(row.color, row.notation, row.alpha, false), row.expected);
}

constexpr TColor Orange = ComposeColor(255, 128, 0);

INSTANTIATE_TEST_SUITE_P(Orange, WriteCssNotationTest,
                         testing::Values(WriteRow{notation::CSSColor, Orange, 255, "rgb(255 128 0)"},
                                         WriteRow{notation::CSSColor, Orange, 128, "rgb(255 128 0 / 0.502)"},
                                         WriteRow{notation::CSSHsl, Orange, 255, "hsl(30.12 100% 50%)"},
                                         WriteRow{notation::CSSHsl, Orange, 128, "hsl(30.12 100% 50% / 0.502)"},
                                         WriteRow{notation::CSSHwb, Orange, 255, "hwb(30.12 0% 0%)"},
                                         WriteRow{notation::CSSLab, Orange, 255, "lab(67.82 45.49 74.84)"},
                                         WriteRow{notation::CSSLch, Orange, 255, "lch(67.82 87.58 58.71)"},
                                         WriteRow{notation::CSSOklab, Orange, 255, "oklab(0.7319 0.1119 0.1484)"},
                                         WriteRow{notation::CSSOklch, Orange, 255, "oklch(0.7319 0.1858 52.98)"}));

// Trailing zeros go, zero is never "-0", a hue without chroma is 0, and alpha
// is written only when the colour is not opaque.
INSTANTIATE_TEST_SUITE_P(
    EdgeCases, WriteCssNotationTest,
    testing::Values(WriteRow{notation::CSSColor, clBlack, 0, "rgb(0 0 0 / 0)"},
                    WriteRow{notation::CSSColor, clWhite, 254, "rgb(255 255 255 / 0.996)"},
                    WriteRow{notation::CSSColor, clWhite, 1, "rgb(255 255 255 / 0.004)"},
                    WriteRow{notation::CSSHsl, clWhite, 255, "hsl(0 0% 100%)"},
                    WriteRow{notation::CSSHsl, ComposeColor(128, 128, 128), 255, "hsl(0 0% 50.2%)"},
                    WriteRow{notation::CSSHsl, ComposeColor(255, 0, 0), 51, "hsl(0 100% 50% / 0.2)"},
                    // 359.998 rounds to 360, which is written as 0.
                    WriteRow{notation::CSSHsl, ComposeColor(255, 0, 0), 255, "hsl(0 100% 50%)"},
                    WriteRow{notation::CSSHsl, ComposeColor(255, 0, 1), 255, "hsl(359.76 100% 50%)"},
                    WriteRow{notation::CSSHwb, clBlack, 255, "hwb(0 0% 100%)"},
                    WriteRow{notation::CSSHwb, ComposeColor(128, 128, 128), 255, "hwb(0 50.2% 49.8%)"},
                    WriteRow{notation::CSSLab, clWhite, 255, "lab(100 0 0)"},
                    WriteRow{notation::CSSLab, clBlack, 255, "lab(0 0 0)"},
                    WriteRow{notation::CSSLch, clWhite, 255, "lch(100 0 0)"},
                    WriteRow{notation::CSSLch, ComposeColor(128, 128, 128), 255, "lch(53.59 0 0)"},
                    WriteRow{notation::CSSOklab, clWhite, 255, "oklab(1 0 0)"},
                    WriteRow{notation::CSSOklab, clBlack, 255, "oklab(0 0 0)"},
                    WriteRow{notation::CSSOklch, ComposeColor(128, 128, 128), 255, "oklch(0.5999 0 0)"},
                    WriteRow{notation::CSSOklch, ComposeColor(0, 0, 255), 255, "oklch(0.452 0.3132 264.05)"},
                    // Four decimals would read back as #00E400: a fifth tells them apart.
                    WriteRow{notation::CSSOklch, ComposeColor(1, 228, 0), 255, "oklch(0.7962 0.27085 142.48)"}));

} // namespace
} // namespace pigmentrix
