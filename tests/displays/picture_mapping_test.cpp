#include "displays/picture_mapping.h"

#include "displays/hsv_pictures.h"
#include "model/conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace pigmentrix {

void PrintTo(const HsvPosition &p, std::ostream *os)
{
    *os << "HSV(" << p.hue << ", " << p.saturation << ", " << p.value << ")";
}

void PrintTo(const PicturePick &pick, std::ostream *os)
{
    PrintTo(pick.sliders, os);
    *os << " colour " << std::hex << pick.color << std::dec << " source " << pick.updateColorSource;
}

namespace {

QRgb RgbOf(TColor c)
{
    return qRgb(RedOf(c), GreenOf(c), BlueOf(c));
}

TColor TripleColor(const HsvPosition &p)
{
    const PixelTriple t = HSVtoRGBTriple(p.hue, p.saturation, p.value);
    return ComposeColor(t.red, t.green, t.blue);
}

// Sliders that a pick changes where its chart sets them.
constexpr HsvPosition Now{200, 128, 150};

struct ChartRow {
    DisplayMode mode;
    QSize size; // the picture as built: logical pixels at scale 1, device pixels at 2
};

void PrintTo(const ChartRow &row, std::ostream *os)
{
    *os << "mode " << static_cast<int>(row.mode) << " " << row.size.width() << "x" << row.size.height();
}

class PickTakesThePixelTest : public testing::TestWithParam<ChartRow> { };

// Every pixel of every chart, at the window's sizes at scales 1 and 2: a
// click takes the colour drawn there (the wheel's blended rim aside), and
// the sliders' values are the ones that pixel is drawn with.
TEST_P(PickTakesThePixelTest, EveryPixelGivesItsOwnColour)
{
    const ChartRow &row = GetParam();
    const QImage chart = HsvPicture(row.mode, row.size, Now.hue, Now.value);
    const int s = row.size.height();
    const int r = s / 2;
    int compared = 0;
    for (int y = 0; y < chart.height(); ++y) {
        for (int x = 0; x < chart.width(); ++x) {
            const std::optional<PicturePick> pick = PickFromPicture(row.mode, {x, y}, row.size, Now);
            if (row.mode == DisplayMode::ColorWheel) {
                // The rim blends the wheel's colour into the background.
                const double d = std::hypot((s - r) - (x + 1), y - r);
                if (d > r - 1.5)
                    continue;
                ASSERT_TRUE(pick);
                EXPECT_EQ(pick->sliders.value, Now.value);
            } else if (row.mode == DisplayMode::SVSquare) {
                if (x >= s)
                    continue;
                ASSERT_TRUE(pick);
                EXPECT_EQ(pick->sliders.hue, Now.hue);
            } else if (x >= s - 1) {
                EXPECT_FALSE(pick) << "the background beside the chart";
                continue;
            }
            ASSERT_TRUE(pick) << x << "," << y;
            ASSERT_EQ(RgbOf(pick->color), chart.pixel(x, y)) << x << "," << y;
            EXPECT_EQ(pick->color, TripleColor(pick->sliders));
            ++compared;
        }
    }
    EXPECT_GT(compared, row.size.width() * row.size.height() / 2);
}

INSTANTIATE_TEST_SUITE_P(
    Charts, PickTakesThePixelTest,
    testing::Values(ChartRow{DisplayMode::ColorWheel, {105, 106}}, ChartRow{DisplayMode::ColorWheel, {210, 212}},
                    ChartRow{DisplayMode::ColorWheel, {81, 81}}, ChartRow{DisplayMode::SVSquare, {105, 106}},
                    ChartRow{DisplayMode::SVSquare, {210, 212}}, ChartRow{DisplayMode::HSVRectangle, {105, 106}},
                    ChartRow{DisplayMode::HSVRectangle, {210, 212}}, ChartRow{DisplayMode::HSVRectangle, {81, 81}}));

struct BeyondRow {
    const char *what;
    DisplayMode mode;
    QPoint pixel;
    std::optional<HsvPosition> sliders; // nullopt: the pick does nothing
};

// Points beyond the chart, where a drag goes: the wheel gives full
// saturation in the pointer's direction, the square keeps the slider of the
// axis that left it, the rectangle does nothing. The wheel's centre is
// picture column 52, row 53.
TEST(PictureMapping, DragsBeyondTheChartFollowTheirMode)
{
    const BeyondRow rows[] = {
        {"wheel far above", DisplayMode::ColorWheel, {52, -500}, HsvPosition{360, 255, 150}},
        {"wheel far right", DisplayMode::ColorWheel, {400, 53}, HsvPosition{90, 255, 150}},
        {"wheel below", DisplayMode::ColorWheel, {52, 300}, HsvPosition{180, 255, 150}},
        {"wheel far left", DisplayMode::ColorWheel, {-300, 53}, HsvPosition{270, 255, 150}},
        {"wheel centre", DisplayMode::ColorWheel, {52, 53}, HsvPosition{180, 0, 150}},
        {"square right of it", DisplayMode::SVSquare, {120, 53}, HsvPosition{200, 128, 125}},
        {"square above it", DisplayMode::SVSquare, {30, -5}, HsvPosition{200, 74, 150}},
        {"square beyond a corner", DisplayMode::SVSquare, {-1, 106}, HsvPosition{200, 128, 150}},
        {"square bottom left", DisplayMode::SVSquare, {0, 105}, HsvPosition{200, 2, 0}},
        {"rectangle top left", DisplayMode::HSVRectangle, {0, 0}, HsvPosition{3, 0, 255}},
        {"rectangle last column", DisplayMode::HSVRectangle, {104, 53}, HsvPosition{360, 255, 255}},
        {"rectangle left of it", DisplayMode::HSVRectangle, {-1, 50}, std::nullopt},
        {"rectangle below it", DisplayMode::HSVRectangle, {0, 106}, std::nullopt},
        {"rectangle beside it", DisplayMode::HSVRectangle, {105, 10}, std::nullopt},
    };
    for (const BeyondRow &row : rows) {
        SCOPED_TRACE(row.what);
        const std::optional<PicturePick> pick = PickFromPicture(row.mode, row.pixel, {105, 106}, Now);
        ASSERT_EQ(pick.has_value(), row.sliders.has_value());
        if (!pick)
            continue;
        EXPECT_EQ(pick->sliders, *row.sliders);
        EXPECT_EQ(pick->color, TripleColor(*row.sliders));
        EXPECT_EQ(pick->updateColorSource,
                  row.mode == DisplayMode::ColorWheel ? WheelChangeSource : SquareOrRectangleChangeSource);
    }
}

TEST(PictureMapping, WheelHueTurnsClockwiseFromTheTopAndStaysInRange)
{
    // Every direction on a circle far outside the disc: hue within 0..360 and
    // saturation full.
    for (int x = -300; x <= 300; x += 7) {
        for (int y : {-300, 300}) {
            SCOPED_TRACE(testing::Message() << "x=" << x << " y=" << y);
            const std::optional<PicturePick> pick = PickFromPicture(DisplayMode::ColorWheel, {x, y}, {105, 106}, Now);
            ASSERT_TRUE(pick);
            EXPECT_EQ(pick->sliders.saturation, 255);
            const int hue = pick->sliders.hue;
            EXPECT_TRUE(hue >= 0 && hue <= 360) << hue;
            if (y < 0)
                EXPECT_TRUE(hue >= 270 || hue <= 90) << hue;
            else
                EXPECT_TRUE(hue >= 90 && hue <= 270) << hue;
        }
    }
}

TEST(PictureMapping, PicturesTooSmallForAChartPickNothing)
{
    for (const DisplayMode mode : {DisplayMode::ColorWheel, DisplayMode::SVSquare, DisplayMode::HSVRectangle})
        EXPECT_FALSE(PickFromPicture(mode, {0, 0}, {0, 0}, Now));
    EXPECT_FALSE(PickFromPicture(DisplayMode::ColorWheel, {0, 0}, {1, 1}, Now));
    EXPECT_FALSE(PickFromPicture(DisplayMode::HSVRectangle, {0, 0}, {1, 1}, Now));
}

} // namespace
} // namespace pigmentrix
