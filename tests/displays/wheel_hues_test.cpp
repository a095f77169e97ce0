#include "displays/wheel_hues.h"

#include "model/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace pigmentrix {
namespace {

int HueByDefinition(int dx, int dy)
{
    const float a = std::atan2(static_cast<float>(dx), static_cast<float>(dy));
    return static_cast<int>(Round((a / std::numbers::pi + 1) * 180));
}

TEST(WheelHues, DirectionsOfTheCompass)
{
    struct Row {
        const char *what;
        int adx;
        int dy;
        MirroredHues expected;
    };
    const Row rows[] = {
        {"straight above is red (360)", 0, -40, {360, 360}},
        {"straight below is cyan (180)", 0, 40, {180, 180}},
        {"centre", 0, 0, {180, 180}},
        {"level: left 270, right 90", 40, 0, {270, 90}},
        {"up-left 315, up-right 45", 40, -40, {315, 45}},
        {"down-left 225, down-right 135", 40, 40, {225, 135}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(WheelHuesByArctan(row.adx, row.dy), row.expected);
        WheelRowHues hues(row.dy);
        EXPECT_EQ(hues.At(row.adx, row.adx * row.adx + row.dy * row.dy), row.expected);
    }
}

// Every pixel of wheels up to 2200 pixels across, row by row as the picture
// walks them, against the single-precision arctangent of each pixel and of
// its mirror.
TEST(WheelHues, RowWalkEqualsTheArctangentForEveryPixel)
{
    constexpr int radius = 1100;
    long mismatches = 0;
    for (int dy = -radius; dy <= radius; ++dy) {
        WheelRowHues hues(dy);
        for (int adx = 0; adx * adx + dy * dy <= radius * radius; ++adx) {
            const MirroredHues got = hues.At(adx, adx * adx + dy * dy);
            const MirroredHues expected{HueByDefinition(adx, dy), HueByDefinition(-adx, dy)};
            if (got != expected && mismatches++ < 5)
                ADD_FAILURE() << "adx=" << adx << " dy=" << dy << ": " << got.left << "/" << got.right << " instead of "
                              << expected.left << "/" << expected.right;
        }
    }
    EXPECT_EQ(mismatches, 0);
}

} // namespace
} // namespace pigmentrix
