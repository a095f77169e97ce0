#include "displays/tracker_painter.h"

#include "pixel_expect.h"

#include <gtest/gtest.h>

#include <vector>

namespace pigmentrix {
namespace {

// A program slider: 136x21, grey thumb 10x16, red channel over (_, 128, 0).
class ProgramSliderPicture : public testing::Test {
protected:
    ProgramSliderPicture()
    {
        look.metrics = {136, 21, 10, 16, 8};
        look.backColor = 0x00302010; // (16, 32, 48)
        look.thumbColor = 0x00808080;
        look.channel = rcRed;
        look.base = {0, 128, 0};
        look.thumbPosition = 68;
    }

    TrackerLook look;
    static constexpr Rgb Back{16, 32, 48};
    static constexpr Rgb Border{160, 160, 164};
    static constexpr Rgb Outline{88, 88, 88};
};

TEST_F(ProgramSliderPicture, HasTheSliderSize)
{
    EXPECT_EQ(PaintTracker(look).size(), QSize(136, 21));
}

TEST_F(ProgramSliderPicture, BackgroundSurroundsTrackAndThumb)
{
    const QImage image = PaintTracker(look);
    for (const auto &[x, y] : std::vector<std::pair<int, int>>{
             {0, 0}, {135, 20}, {9, 10}, {126, 10}, {40, 4}, {40, 16}, {68, 1}, {68, 19}}) {
        EXPECT_TRUE(PixelIs(image, x, y, Back));
    }
}

TEST_F(ProgramSliderPicture, BorderFramesTheTrackOverTheStrip)
{
    const QImage image = PaintTracker(look);
    for (const auto &[x, y] : std::vector<std::pair<int, int>>{
             {10, 5}, {125, 5}, {10, 15}, {125, 15}, {40, 5}, {40, 15}, {10, 10}, {125, 10}}) {
        EXPECT_TRUE(PixelIs(image, x, y, Border));
    }
}

TEST_F(ProgramSliderPicture, StripFillsTheInsideOfTheTrack)
{
    look.thumbPosition = 10;
    const QImage image = PaintTracker(look);
    EXPECT_TRUE(PixelIs(image, 15, 6, {11, 128, 0}));
    EXPECT_TRUE(PixelIs(image, 68, 8, {128, 128, 0}));
    EXPECT_TRUE(PixelIs(image, 124, 14, {252, 128, 0}));
}

TEST_F(ProgramSliderPicture, WithoutBorderTheStripReachesTheTrackEdge)
{
    look.trackBorder = false;
    look.thumbPosition = 126;
    const QImage image = PaintTracker(look);
    EXPECT_TRUE(PixelIs(image, 10, 5, {0, 128, 0}));
    EXPECT_TRUE(PixelIs(image, 68, 15, {128, 128, 0}));
}

// Thumb centred at 68: (63, 2) to (73, 19), 17 rows shading 148 -> 108.
TEST_F(ProgramSliderPicture, ThumbRowsShadeFromLighterToDarker)
{
    const QImage image = PaintTracker(look);
    struct Row {
        int x;
        int y;
        int grey;
    };
    const std::vector<Row> rows = {
        {63, 2, 148}, // top-left corner pixel, outside the rounded outline
        {72, 2, 148}, // top-right corner
        {63, 3, 146}, // k = 1: 148 + round(-40/17)
        {68, 10, 129}, // k = 8: 148 + round(-18.82)
        {68, 17, 113}, // k = 15: 148 + round(-35.29)
        {63, 18, 110}, // k = 16, bottom-left corner: 148 + round(-37.65)
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << "y " << row.y);
        EXPECT_TRUE(PixelIs(image, row.x, row.y, {row.grey, row.grey, row.grey}));
    }
}

TEST_F(ProgramSliderPicture, ThumbOutlineIsRoundedAtTheCorners)
{
    const QImage image = PaintTracker(look);
    for (const auto &[x, y] : std::vector<std::pair<int, int>>{
             {65, 2},
             {70, 2},
             {65, 18},
             {70, 18}, // top and bottom edges
             {63, 4},
             {63, 16},
             {72, 4},
             {72, 16}, // left and right edges
             {64, 3},
             {71, 3},
             {64, 17},
             {71, 17}, // one diagonal step per corner
         }) {
        EXPECT_TRUE(PixelIs(image, x, y, Outline));
    }
}

TEST_F(ProgramSliderPicture, ThumbPressedPastTheEdgeIsClipped)
{
    look.thumbPosition = 2; // thumb from x = -3 to 7
    const QImage image = PaintTracker(look);
    EXPECT_TRUE(PixelIs(image, 0, 10, {129, 129, 129}));
    EXPECT_TRUE(PixelIs(image, 6, 10, Outline));
    EXPECT_TRUE(PixelIs(image, 7, 10, Back));
}

TEST_F(ProgramSliderPicture, TooLowForATrackStillShowsBackgroundAndThumb)
{
    look.metrics.height = 10;
    const QImage image = PaintTracker(look);
    ASSERT_EQ(image.size(), QSize(136, 10));
    EXPECT_TRUE(PixelIs(image, 30, 5, Back));
}

TEST(TrackerPicture, ThumbShadesFollowTheThumbColour)
{
    struct Row {
        TColor thumb;
        Rgb top; // row 0, at the corner
        Rgb bottom; // row 16, at the corner
        Rgb outline;
    };
    const std::vector<Row> rows = {
        {0x00808080, {148, 148, 148}, {110, 110, 110}, {88, 88, 88}},
        {0x00FFFFFF, {255, 255, 255}, {236, 236, 236}, {215, 215, 215}},
        {0x00EBEBEB, {255, 255, 255}, {217, 217, 217}, {195, 195, 195}},
        // red 5, green 20, blue 240: top (25, 40, 255), bottom towards (0, 0, 220).
        {0x00F01405, {25, 40, 255}, {1, 2, 222}, {0, 0, 200}},
        {0x00000000, {20, 20, 20}, {1, 1, 1}, {0, 0, 0}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << std::hex << row.thumb);
        TrackerLook look;
        look.metrics = {136, 21, 10, 16, 8};
        look.thumbColor = row.thumb;
        look.thumbPosition = 68;
        const QImage image = PaintTracker(look);
        EXPECT_TRUE(PixelIs(image, 63, 2, row.top));
        EXPECT_TRUE(PixelIs(image, 63, 18, row.bottom));
        EXPECT_TRUE(PixelIs(image, 63, 10, row.outline));
    }
}

} // namespace
} // namespace pigmentrix
