#include "shell/accessible_screen_pixels.h"

#include <gtest/gtest.h>

namespace pigmentrix {
namespace {

struct PlaceRow {
    const char *name;
    ScreenScale scale;
    QRect scaled;
    QRect screen;
};

class ScreenPixelPlaces : public testing::TestWithParam<PlaceRow> { };

TEST_P(ScreenPixelPlaces, StretchFromTheScreensCorner)
{
    const PlaceRow &row = GetParam();
    EXPECT_EQ(ToScreenPixels(row.scaled, row.scale), row.screen);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ScreenPixelPlaces,
    testing::Values(PlaceRow{"UnscaledStaysAsItIs", {{0, 0}, 1}, {10, 20, 96, 106}, {10, 20, 96, 106}},
                    PlaceRow{"DoubledFromTheFirstScreen", {{0, 0}, 2}, {13, 23, 96, 106}, {26, 46, 192, 212}},
                    // A second screen keeps its corner: only what lies
                    // beyond it stretches.
                    PlaceRow{"DoubledOnASecondScreen", {{1920, 0}, 2}, {1930, 5, 40, 30}, {1940, 10, 80, 60}},
                    // Both edges are rounded, so places that touch in Qt's
                    // pixels still touch on the screen.
                    PlaceRow{"OneAndAHalfRoundsTheEdges", {{0, 0}, 1.5}, {3, 3, 5, 5}, {5, 5, 7, 7}},
                    PlaceRow{"OneAndAHalfNextOne", {{0, 0}, 1.5}, {8, 3, 5, 5}, {12, 5, 8, 7}},
                    PlaceRow{"NothingStaysNothing", {{0, 0}, 2}, QRect(), {0, 0, 0, 0}}),
    [](const testing::TestParamInfo<PlaceRow> &info) { return std::string(info.param.name); });

struct PointRow {
    const char *name;
    ScreenScale scale;
    QPoint screen;
    QPoint scaled;
};

class ScreenPixelPoints : public testing::TestWithParam<PointRow> { };

TEST_P(ScreenPixelPoints, LandInThePixelOfQtThatHoldsThem)
{
    const PointRow &row = GetParam();
    EXPECT_EQ(FromScreenPixels(row.screen, row.scale), row.scaled);
}

INSTANTIATE_TEST_SUITE_P(Rows, ScreenPixelPoints,
                         testing::Values(PointRow{"Unscaled", {{0, 0}, 1}, {17, 40}, {17, 40}},
                                         PointRow{"EvenPixelAtTwo", {{0, 0}, 2}, {26, 46}, {13, 23}},
                                         PointRow{"OddPixelAtTwoIsInTheSameOne", {{0, 0}, 2}, {27, 47}, {13, 23}},
                                         PointRow{"SecondScreen", {{1920, 0}, 2}, {1941, 11}, {1930, 5}},
                                         PointRow{"LeftOfTheCornerStaysLeft", {{1920, 0}, 2}, {1919, 0}, {1919, 0}},
                                         PointRow{"OneAndAHalf", {{0, 0}, 1.5}, {11, 5}, {7, 3}}),
                         [](const testing::TestParamInfo<PointRow> &info) { return std::string(info.param.name); });

} // namespace
} // namespace pigmentrix
