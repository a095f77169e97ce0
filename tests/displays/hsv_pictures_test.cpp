#include "displays/hsv_pictures.h"

#include "model/conversions.h"
#include "model/rounding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace pigmentrix {
namespace {

struct PixelRow {
    const char *what;
    int x;
    int y;
    QRgb expected;
};

void ExpectPixels(const QImage &image, const std::vector<PixelRow> &rows)
{
    for (const PixelRow &row : rows) {
        SCOPED_TRACE(row.what);
        ASSERT_TRUE(image.valid(row.x, row.y));
        EXPECT_EQ(image.pixel(row.x, row.y), row.expected)
            << std::hex << image.pixel(row.x, row.y) << " != " << row.expected;
    }
}

constexpr QRgb Grey(int level)
{
    return qRgb(level, level, level);
}

constexpr QSize FormPicture(105, 106);

TEST(ColorWheelPicture, FullValueOnTheFormsPicture)
{
    const QImage wheel = ColorWheelPicture(FormPicture, 255);
    ASSERT_EQ(wheel.size(), FormPicture);
    ExpectPixels(wheel, {
                            {"centre is white", 52, 53, qRgb(255, 255, 255)},
                            {"40 above the centre: HSV(360, 192, 255)", 52, 13, qRgb(255, 63, 63)},
                            {"40 right of the centre: hue 90", 92, 53, qRgb(159, 255, 63)},
                            {"40 below the centre: hue 180", 52, 93, qRgb(63, 255, 255)},
                            {"40 left of the centre: hue 270", 12, 53, qRgb(159, 63, 255)},
                            {"top of the rim (d = 53) is background", 52, 0, Grey(0xC8)},
                            {"bottom (d = 52) is fully coloured: HSV(180, 250, 255)", 52, 105, qRgb(5, 255, 255)},
                            {"corner is background", 0, 0, Grey(0xC8)},
                            {"last shown column, d = 52: HSV(90, 250, 255)", 104, 53, qRgb(130, 255, 5)},
                        });
}

TEST(ColorWheelPicture, ZeroValueIsABlackDiscWithABlendedRim)
{
    const QImage wheel = ColorWheelPicture(FormPicture, 0);
    ExpectPixels(wheel, {
                            {"centre", 52, 53, Grey(0)},
                            {"inside", 52, 13, Grey(0)},
                            {"d = 52 is fully black", 52, 105, Grey(0)},
                            {"rim, d = 52.92, weight 0.0756", 32, 102, Grey(185)},
                            {"rim at d = 53 is background", 52, 0, Grey(0xC8)},
                            {"outside", 104, 0, Grey(0xC8)},
                        });
}

TEST(ColorWheelPicture, MediumLayoutSquarePicture)
{
    // s = 65, r = 32: centre at column 32, row 32, the same point picking uses.
    const QImage wheel = ColorWheelPicture(QSize(65, 65), 255);
    ASSERT_EQ(wheel.size(), QSize(65, 65));
    ExpectPixels(wheel, {
                            {"centre is white", 32, 32, qRgb(255, 255, 255)},
                            {"top of the rim", 32, 0, Grey(0xC8)},
                            {"bottom, d = 32, rim", 32, 64, Grey(0xC8)},
                            {"last column, d = 32, rim", 64, 32, Grey(0xC8)},
                        });
}

// Every pixel evaluated on its own, straight from the chart's definition:
// guards the builder's shortcuts (mirroring, early row ends, skipped column).
QRgb ReferenceWheelPixel(int s, int value, int pictureX, int y)
{
    const QRgb background = 0xFFC8C8C8;
    const int x = pictureX + 1;
    if (x > s)
        return background;
    const int r = s / 2;
    const int dx = (s - r) - x;
    const int dy = y - r;
    const double d = std::sqrt(static_cast<double>(dx * dx + dy * dy));
    if (d > r || r == 0)
        return background;
    const int saturation = static_cast<int>(Round(d * 255 / r));
    const float a = std::atan2(static_cast<float>(dx), static_cast<float>(dy));
    const int hue = static_cast<int>(Round((a / std::numbers::pi + 1) * 180));
    const PixelTriple p = HSVtoRGBTriple(hue, saturation, value);
    if (d <= r - 1.5)
        return qRgb(p.red, p.green, p.blue);
    const double l = std::clamp(r - d, 0.0, 1.0);
    const auto blend = [l](int c) { return static_cast<int>(Round(c * l + 200 * (1 - l))); };
    return qRgb(blend(p.red), blend(p.green), blend(p.blue));
}

TEST(ColorWheelPicture, EveryPixelMatchesTheChartDefinition)
{
    for (int s : {1, 2, 3, 4, 64, 65, 106, 107, 211}) {
        for (int width : {std::max(s - 1, 1), s, s + 3}) {
            for (int value : {0, 77, 255}) {
                SCOPED_TRACE(testing::Message() << "s=" << s << " width=" << width << " value=" << value);
                const QImage wheel = ColorWheelPicture(QSize(width, s), value);
                ASSERT_EQ(wheel.size(), QSize(width, s));
                int mismatches = 0;
                for (int y = 0; y < s; ++y)
                    for (int x = 0; x < width; ++x)
                        if (wheel.pixel(x, y) != ReferenceWheelPixel(s, value, x, y) && mismatches++ == 0)
                            ADD_FAILURE() << "first mismatch at " << x << "," << y;
                EXPECT_EQ(mismatches, 0);
            }
        }
    }
}

TEST(ColorWheelPicture, LargeWheelsMatchTheChartDefinition)
{
    for (int s : {1024, 1025}) {
        SCOPED_TRACE(s);
        const QImage wheel = ColorWheelPicture(QSize(s, s), 255);
        int mismatches = 0;
        for (int y = 0; y < s; ++y)
            for (int x = 0; x < s; ++x)
                mismatches += wheel.pixel(x, y) != ReferenceWheelPixel(s, 255, x, y);
        EXPECT_EQ(mismatches, 0);
    }
}

TEST(SVSquarePicture, RedHueOnTheFormsPicture)
{
    const QImage square = SVSquarePicture(FormPicture, 0);
    ASSERT_EQ(square.size(), FormPicture);
    ExpectPixels(square, {
                             {"top-left: S = 2, V = 253", 0, 0, qRgb(253, 252, 252)},
                             {"top-right shown: S = 250, V = 253", 104, 0, qRgb(253, 5, 5)},
                             {"middle row: V = round(52 * 255 / 106) = 125", 104, 53, qRgb(125, 3, 3)},
                         });
    for (int x = 0; x < square.width(); ++x) {
        SCOPED_TRACE(x);
        EXPECT_EQ(square.pixel(x, 105), Grey(0)) << "bottom row is black";
    }
}

TEST(SVSquarePicture, SquarePictureShowsTheLastChartColumn)
{
    // In a picture as wide as it is high the chart's last column (S = 253)
    // is shown; one column more is beyond the chart and shows the background.
    ExpectPixels(SVSquarePicture(QSize(106, 106), 0),
                 {
                     {"chart column 106, top row: HSV(0, 253, 253)", 105, 0, qRgb(253, 2, 2)},
                 });
    ExpectPixels(SVSquarePicture(QSize(107, 106), 0), {
                                                          {"beyond the chart", 106, 0, Grey(0x80)},
                                                      });
    ExpectPixels(SVSquarePicture(FormPicture, 120), {
                                                        {"hue 120 at full saturation end", 104, 0, qRgb(5, 253, 5)},
                                                    });
}

TEST(HSVRectanglePicture, FormsPicture)
{
    const QImage rectangle = HSVRectanglePicture(FormPicture);
    ASSERT_EQ(rectangle.size(), FormPicture);
    for (int x = 0; x < rectangle.width(); ++x) {
        SCOPED_TRACE(x);
        EXPECT_EQ(rectangle.pixel(x, 0), Grey(255)) << "top row is white";
    }
    ExpectPixels(rectangle, {
                                {"row 53 (t = 0.5), first shown column: hue 3", 0, 53, qRgb(255, 13, 0)},
                                {"row 53, chart column 105: hue 360 is red", 104, 53, qRgb(255, 0, 0)},
                                {"row 53, hue 120", 34, 53, qRgb(0, 255, 0)},
                                {"last shown row: V = 5", 104, 105, qRgb(5, 0, 0)},
                                {"row 26: S = round(26 / 106 * 510) = 125", 104, 26, qRgb(255, 130, 130)},
                            });
}

TEST(HSVRectanglePicture, ColumnsBeyondTheChartShowTheBackground)
{
    // The chart is s wide and drawn one column to the left: a square picture's
    // last column is not covered.
    const QImage rectangle = HSVRectanglePicture(QSize(106, 106));
    ExpectPixels(rectangle, {
                                {"last covered column", 104, 53, qRgb(255, 0, 0)},
                                {"uncovered column", 105, 53, Grey(0x80)},
                                {"uncovered column, top", 105, 0, Grey(0x80)},
                            });
}

TEST(HsvPicture, TinyAndEmptyPictures)
{
    EXPECT_TRUE(HsvPicture(DisplayMode::ColorWheel, QSize(0, 0), 0, 255).isNull());
    EXPECT_TRUE(HsvPicture(DisplayMode::HSVRectangle, QSize(105, 0), 0, 255).isNull());
    struct Row {
        const char *what;
        int mode; // as the settings keep it
        QSize size;
        QRgb firstPixel;
    };
    const std::vector<Row> rows = {
        {"one-pixel wheel is all rim", 1, QSize(1, 1), Grey(0xC8)},
        {"one-pixel square: S = 128, V = 0", 2, QSize(1, 1), Grey(0)},
        {"one-pixel rectangle shows no chart column", 3, QSize(1, 1), Grey(0x80)},
        {"hidden picture of the Small layout", 1, QSize(105, 2), Grey(0xC8)},
        {"rectangle two high: one chart column, white on top", 3, QSize(105, 2), Grey(255)},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        const QImage image = HsvPicture(static_cast<DisplayMode>(row.mode), row.size, 0, 255);
        ASSERT_EQ(image.size(), row.size);
        EXPECT_EQ(image.pixel(0, 0), row.firstPixel);
    }
}

TEST(HsvPicture, ModeChoosesTheChart)
{
    struct Row {
        int mode; // as the settings keep it
        QImage expected;
    };
    const std::vector<Row> rows = {
        {1, ColorWheelPicture(FormPicture, 200)}, {2, SVSquarePicture(FormPicture, 40)},
        {3, HSVRectanglePicture(FormPicture)},    {0, HSVRectanglePicture(FormPicture)},
        {9, HSVRectanglePicture(FormPicture)},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.mode);
        EXPECT_EQ(HsvPicture(static_cast<DisplayMode>(row.mode), FormPicture, 40, 200), row.expected);
    }
}

TEST(HsvPicture, DevicePixelRatioBuildsAtDevicePixels)
{
    struct Row {
        qreal ratio;
        QSize deviceSize;
    };
    const std::vector<Row> rows = {
        {2.0, QSize(210, 212)},
        {1.5, QSize(158, 159)},
        {1.25, QSize(132, 133)},
    };
    for (DisplayMode mode : {DisplayMode::ColorWheel, DisplayMode::SVSquare, DisplayMode::HSVRectangle}) {
        for (const Row &row : rows) {
            SCOPED_TRACE(testing::Message() << "mode=" << static_cast<int>(mode) << " ratio=" << row.ratio);
            const QImage image = HsvPicture(mode, FormPicture, 40, 200, row.ratio);
            EXPECT_EQ(image.size(), row.deviceSize);
            EXPECT_EQ(image.devicePixelRatio(), row.ratio);
            QImage unscaled = image;
            unscaled.setDevicePixelRatio(1);
            EXPECT_EQ(unscaled, HsvPicture(mode, row.deviceSize, 40, 200));
        }
    }
}

TEST(HsvPicture, RatioOneOrInvalidGivesTheReferenceImage)
{
    const QImage reference = HsvPicture(DisplayMode::ColorWheel, FormPicture, 0, 255);
    for (qreal ratio : {1.0, 0.0, -2.0, std::nan("")}) {
        SCOPED_TRACE(ratio);
        const QImage image = HsvPicture(DisplayMode::ColorWheel, FormPicture, 0, 255, ratio);
        EXPECT_EQ(image.devicePixelRatio(), 1.0);
        EXPECT_EQ(image, reference);
    }
}

TEST(PictureNeedsRebuild, OnlyWhenTheChartsParameterChanged)
{
    struct Row {
        const char *what;
        int mode; // as the settings keep it
        int hue;
        int value;
        bool expected;
    };
    // Built for hue 100, value 200.
    const std::vector<Row> rows = {
        {"wheel, value moved", 1, 100, 201, true},       {"wheel, only hue moved", 1, 101, 200, false},
        {"square, hue moved", 2, 101, 200, true},        {"square, only value moved", 2, 100, 201, false},
        {"rectangle, nothing moved", 3, 100, 200, true}, {"unknown mode is the rectangle", 5, 100, 200, true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(PictureNeedsRebuild(static_cast<DisplayMode>(row.mode), row.hue, row.value, 100, 200), row.expected);
    }
    EXPECT_TRUE(PictureNeedsRebuild(DisplayMode::ColorWheel, 100, 200, -1, -1)) << "never built";
    EXPECT_TRUE(PictureNeedsRebuild(DisplayMode::SVSquare, 100, 200, -1, -1)) << "never built";
}

} // namespace
} // namespace pigmentrix
