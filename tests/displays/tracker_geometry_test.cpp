#include "displays/tracker_geometry.h"

#include <gtest/gtest.h>

#include <vector>

namespace pigmentrix {
namespace {

// The program's channel sliders: 136x21, thumb 10x16, track height 8.
constexpr TrackerMetrics ProgramSlider{136, 21, 10, 16, 8};

TEST(TrackerGeometry, LayoutFollowsSizeAndThumb)
{
    struct Row {
        TrackerMetrics metrics;
        TrackerGeometry expected;
    };
    const std::vector<Row> rows = {
        {ProgramSlider, {10, 126, {10, 5, 126, 16}, {10, 1, 126, 20}}},
        {{150, 24, 20, 16, 6}, {15, 135, {15, 5, 135, 19}, {15, 0, 135, 24}}},
        {{133, 21, 10, 16, 8}, {10, 123, {10, 5, 123, 16}, {10, 1, 123, 20}}},
        // A track taller than the thumb shrinks the hit band into the track.
        {{136, 21, 10, 16, 20}, {10, 126, {10, 5, 126, 16}, {10, 7, 126, 14}}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << row.metrics.width << "x" << row.metrics.height << " track "
                                        << row.metrics.trackHeight);
        EXPECT_EQ(ComputeTrackerGeometry(row.metrics), row.expected);
    }
}

TEST(TrackerGeometry, ThumbRectIsCentredOnPosition)
{
    EXPECT_EQ(ThumbRectAt(ProgramSlider, 68), (TrackerRect{63, 2, 73, 19}));
    EXPECT_EQ(ThumbRectAt(ProgramSlider, 10), (TrackerRect{5, 2, 15, 19}));
    EXPECT_EQ(ThumbRectAt({150, 24, 20, 16, 6}, 15), (TrackerRect{5, 4, 25, 20}));
}

TEST(TrackerGeometry, RectEdgesRightAndBottomAreExclusive)
{
    const TrackerRect r{10, 1, 126, 20};
    EXPECT_TRUE(r.contains(10, 1));
    EXPECT_TRUE(r.contains(125, 19));
    EXPECT_FALSE(r.contains(126, 10));
    EXPECT_FALSE(r.contains(60, 20));
    EXPECT_FALSE(r.contains(9, 10));
    EXPECT_EQ(r.width(), 116);
    EXPECT_EQ(r.height(), 19);
}

struct ValueRow {
    int value;
    int minimum;
    int maximum;
    int position;
};

class ThumbPositionForValueTest : public testing::TestWithParam<ValueRow> { };

TEST_P(ThumbPositionForValueTest, RoundsToNearestEvenPixel)
{
    const ValueRow &row = GetParam();
    const TrackerGeometry g = ComputeTrackerGeometry(ProgramSlider);
    EXPECT_EQ(ThumbPositionForValue(g, row.value, row.minimum, row.maximum), row.position);
}

INSTANTIATE_TEST_SUITE_P(ProgramSlider, ThumbPositionForValueTest,
                         testing::Values(ValueRow{0, 0, 255, 10}, ValueRow{255, 0, 255, 126}, ValueRow{128, 0, 255, 68},
                                         ValueRow{127, 0, 255, 68}, ValueRow{1, 0, 255, 10}, ValueRow{2, 0, 255, 11},
                                         ValueRow{180, 0, 360, 68}, ValueRow{360, 0, 360, 126},
                                         ValueRow{40, 0, 255, 28}, ValueRow{0, -100, 100, 68}));

struct PositionRow {
    int position;
    int minimum;
    int maximum;
    int step;
    int value;
};

class ValueForThumbPositionTest : public testing::TestWithParam<PositionRow> { };

TEST_P(ValueForThumbPositionTest, RoundsSnapsAndClamps)
{
    const PositionRow &row = GetParam();
    const TrackerGeometry g = ComputeTrackerGeometry(ProgramSlider);
    EXPECT_EQ(ValueForThumbPosition(g, row.position, row.minimum, row.maximum, row.step), row.value);
}

INSTANTIATE_TEST_SUITE_P(ProgramSlider, ValueForThumbPositionTest,
                         testing::Values(PositionRow{10, 0, 255, 1, 0},
                                         // 58/116 x 255 = 127.5 goes to the even neighbour.
                                         PositionRow{68, 0, 255, 1, 128},
                                         // The last column of the track stops short of the maximum.
                                         PositionRow{125, 0, 255, 1, 253}, PositionRow{126, 0, 255, 1, 255},
                                         PositionRow{300, 0, 255, 1, 255}, PositionRow{5, 0, 255, 1, 0},
                                         PositionRow{-1000, 0, 255, 1, 0}, PositionRow{68, 0, 360, 1, 180},
                                         PositionRow{125, 0, 360, 1, 357}, PositionRow{68, 0, 255, 10, 120},
                                         PositionRow{126, 0, 255, 10, 250}, PositionRow{10, 5, 255, 10, 5},
                                         PositionRow{68, -100, 100, 1, 0}));

TEST(TrackerGeometry, SliderTooNarrowForTheThumbToMoveStaysAtMinimum)
{
    const TrackerGeometry g = ComputeTrackerGeometry({20, 21, 10, 16, 8});
    ASSERT_LE(g.thumbMax, g.thumbMin);
    EXPECT_EQ(ValueForThumbPosition(g, 15, 3, 255, 1), 3);
}

} // namespace
} // namespace pigmentrix
