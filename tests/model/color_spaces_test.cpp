#include "model/color_spaces.h"

#include "model/conversions.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace pigmentrix {
namespace {

struct Row {
    const char *what;
    TColor color;
    std::string html;
};

void ExpectColors(const std::vector<Row> &rows)
{
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(ColorToHTML(row.color), row.html);
    }
}

TEST(ColorSpaces, RGBFractionsRoundToTheNearestChannel)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    ExpectColors({
        {"ends of the range", ColorFromRGBFractions(1, 0, 1), "#FF00FF"},
        {"a float written for 128 reads back as 128", ColorFromRGBFractions(128 / 255.0f, 0.5, 1 / 255.0f), "#808001"},
        {"half way rounds up", ColorFromRGBFractions(0.5 / 255, 1.5 / 255, 0), "#010200"},
        {"outside the range: the nearest end", ColorFromRGBFractions(-0.5, 7, 0.2), "#00FF33"},
        {"not a number: none of the channel", ColorFromRGBFractions(nan, 1, 1), "#00FFFF"},
    });
}

TEST(ColorSpaces, CMYKInksTakeTheirShareOfTheLight)
{
    ExpectColors({
        {"no ink is white", ColorFromCMYKFractions(0, 0, 0, 0), "#FFFFFF"},
        {"full black is black whatever the rest", ColorFromCMYKFractions(0, 0.5, 0, 1), "#000000"},
        {"full cyan", ColorFromCMYKFractions(1, 0, 0, 0), "#00FFFF"},
        {"magenta and yellow make red", ColorFromCMYKFractions(0, 1, 1, 0), "#FF0000"},
        {"half black halves the light", ColorFromCMYKFractions(0, 0, 0, 0.5), "#808080"},
        {"a fifth of cyan under half black", ColorFromCMYKFractions(0.2, 0, 0, 0.5), "#668080"},
        {"ink beyond full counts as full", ColorFromCMYKFractions(2, -1, 0, 0), "#00FFFF"},
    });
}

// The reference values are sRGB colours taken to L*a*b* under D50 with the
// Bradford adaptation, as print and design programs keep them.
TEST(ColorSpaces, LabUnderD50GivesTheSRGBColour)
{
    ExpectColors({
        {"the white point", ColorFromLab(100, 0, 0), "#FFFFFF"},
        {"no lightness", ColorFromLab(0, 0, 0), "#000000"},
        {"middle grey", ColorFromLab(53.585, 0, 0), "#808080"},
        {"dark grey on the linear end of the curve", ColorFromLab(5, 0, 0), "#111111"},
        {"red", ColorFromLab(54.29, 80.80, 69.89), "#FF0000"},
        {"green", ColorFromLab(87.82, -79.29, 80.99), "#00FF00"},
        {"blue", ColorFromLab(29.57, 68.30, -112.03), "#0000FF"},
        {"outside sRGB: each channel clipped", ColorFromLab(50, 127, -128), "#D600FF"},
    });
}

TEST(ColorSpaces, GrayRunsFromBlackToWhite)
{
    ExpectColors({
        {"black", ColorFromGrayFraction(0), "#000000"},
        {"white", ColorFromGrayFraction(1), "#FFFFFF"},
        {"a quarter", ColorFromGrayFraction(0.25), "#404040"},
        {"beyond white", ColorFromGrayFraction(1.5), "#FFFFFF"},
    });
}

} // namespace
} // namespace pigmentrix
