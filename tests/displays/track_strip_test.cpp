#include "displays/track_strip.h"

#include "pixel_expect.h"

#include <gtest/gtest.h>

#include <vector>

namespace pigmentrix {
namespace {

// The program's track: 116 columns, 11 rows.
constexpr int W = 116;
constexpr int H = 11;

struct ColumnRow {
    const char *name;
    TRGBChannel channel;
    TrackBase base;
    int column;
    Rgb expected;
};

class TrackStripColumnTest : public testing::TestWithParam<ColumnRow> { };

TEST_P(TrackStripColumnTest, EveryRowOfTheColumnShowsTheChannelAtThatPlace)
{
    const ColumnRow &row = GetParam();
    const QImage strip = BuildTrackStrip(row.channel, W, H, row.base);
    ASSERT_EQ(strip.size(), QSize(W, H));
    for (int y = 0; y < H; ++y)
        EXPECT_TRUE(PixelIs(strip, row.column, y, row.expected)) << "row " << y;
}

INSTANTIATE_TEST_SUITE_P(
    Channels, TrackStripColumnTest,
    testing::Values(ColumnRow{"RedStart", rcRed, {0, 128, 0}, 0, {0, 128, 0}},
                    ColumnRow{"RedMiddle", rcRed, {0, 128, 0}, 58, {128, 128, 0}},
                    ColumnRow{"RedEnd", rcRed, {0, 128, 0}, 115, {255, 128, 0}},
                    ColumnRow{"RedIgnoresBaseRed", rcRed, {200, 1, 2}, 1, {2, 1, 2}},
                    ColumnRow{"GreenMiddle", rcGreen, {10, 0, 20}, 58, {10, 128, 20}},
                    ColumnRow{"BlueEnd", rcBlue, {10, 20, 0}, 115, {10, 20, 255}},
                    ColumnRow{"BrightnessStart", rcBrightness, {9, 9, 9}, 0, {0, 0, 0}},
                    ColumnRow{"BrightnessMiddle", rcBrightness, {9, 9, 9}, 58, {128, 128, 128}},
                    ColumnRow{"BrightnessEnd", rcBrightness, {9, 9, 9}, 115, {255, 255, 255}},
                    ColumnRow{"HueStartsAtRed", rcHue, {0, 0, 0, 0, 255, 255}, 0, {255, 0, 0}},
                    // trunc(115 x 255 / 116) = 252, MulDiv(360, 252, 255) = 356.
                    ColumnRow{"HueEndsJustShortOf360", rcHue, {0, 0, 0, 0, 255, 255}, 115, {255, 0, 17}},
                    ColumnRow{"HueWithoutSaturationIsGrey", rcHue, {0, 0, 0, 0, 0, 77}, 40, {77, 77, 77}},
                    ColumnRow{"HueWithoutSaturationIsGreyAtEnd", rcHue, {0, 0, 0, 0, 0, 77}, 115, {77, 77, 77}},
                    ColumnRow{"SaturationStartsGrey", rcSaturation, {0, 0, 0, 120, 200, 255}, 0, {255, 255, 255}},
                    ColumnRow{"SaturationEnd", rcSaturation, {0, 0, 0, 120, 0, 255}, 115, {3, 255, 3}},
                    ColumnRow{"ValueStartsBlack", rcValue, {0, 0, 0, 0, 255, 0}, 0, {0, 0, 0}},
                    ColumnRow{"ValueEnd", rcValue, {0, 0, 0, 0, 255, 0}, 115, {252, 0, 0}}),
    [](const testing::TestParamInfo<ColumnRow> &info) { return info.param.name; });

struct AlphaRow {
    const char *name;
    int column;
    int y;
    Rgb expected;
};

class AlphaStripTest : public testing::TestWithParam<AlphaRow> { };

// Blue (0, 0, 255) fading in over a checkerboard of white and grey 192.
TEST_P(AlphaStripTest, ShowsBaseColourOverCheckerboard)
{
    const AlphaRow &row = GetParam();
    const QImage strip = BuildTrackStrip(rcAlpha, W, H, {0, 0, 255});
    EXPECT_TRUE(PixelIs(strip, row.column, row.y, row.expected));
}

INSTANTIATE_TEST_SUITE_P(Cells, AlphaStripTest,
                         testing::Values(
                             // Leftmost: pure checkerboard; even blocks are dark in the upper band.
                             AlphaRow{"FirstBlockUpperBandDark", 0, 0, {192, 192, 192}},
                             AlphaRow{"FirstBlockUpperBandLastRow", 0, 5, {192, 192, 192}},
                             AlphaRow{"FirstBlockLowerBandLight", 0, 6, {255, 255, 255}},
                             AlphaRow{"FirstBlockBottomRow", 0, 10, {255, 255, 255}},
                             // a = trunc(5 x 255/116) = 10, g = trunc(5 x 192/116) = 8.
                             AlphaRow{"SecondBlockUpperBandLight", 5, 0, {245, 245, 255}},
                             AlphaRow{"SecondBlockLowerBandDark", 5, 6, {184, 184, 194}},
                             // a = trunc(4 x 255/116) = 8, g = trunc(4 x 192/116) = 6:
                             // dark 0 - 6 + 192 = 186, blue MulDiv(255, 8, 255) - 6 + 192 = 194.
                             AlphaRow{"FifthColumnStillFirstBlock", 4, 0, {186, 186, 194}},
                             AlphaRow{"FifthColumnLowerBand", 4, 6, {247, 247, 255}},
                             // Rightmost: a = 252, g = 190, block 23 is odd (light above).
                             AlphaRow{"LastColumnLight", 115, 0, {3, 3, 255}},
                             AlphaRow{"LastColumnDark", 115, 6, {2, 2, 254}}),
                         [](const testing::TestParamInfo<AlphaRow> &info) { return info.param.name; });

TEST(AlphaStrip, PartlyOpaqueColumnBlendsOverBothGreys)
{
    // i = 58: a = trunc(58 x 255/116) = 127, g = trunc(58 x 192/116) = 96;
    // block 11 is odd, so the upper band is light.
    const QImage strip = BuildTrackStrip(rcAlpha, W, H, {200, 0, 255});
    // MulDiv(200, 127, 255) = 100 and MulDiv(255, 127, 255) = 127.
    EXPECT_TRUE(PixelIs(strip, 58, 0, {228, 128, 255}));
    EXPECT_TRUE(PixelIs(strip, 58, 6, {196, 96, 223}));
}

TEST(TrackStrip, EmptySizeGivesNoImage)
{
    EXPECT_TRUE(BuildTrackStrip(rcRed, 0, 11, {}).isNull());
    EXPECT_TRUE(BuildTrackStrip(rcAlpha, 116, 0, {}).isNull());
    EXPECT_TRUE(BuildTrackStrip(rcHue, -3, -3, {}).isNull());
}

TEST(TrackStrip, SingleColumnShowsStartOfRange)
{
    const QImage strip = BuildTrackStrip(rcRed, 1, 3, {0, 50, 60});
    ASSERT_EQ(strip.size(), QSize(1, 3));
    EXPECT_TRUE(PixelIs(strip, 0, 2, {0, 50, 60}));
}

} // namespace
} // namespace pigmentrix
