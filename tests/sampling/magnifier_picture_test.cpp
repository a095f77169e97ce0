#include "sampling/magnifier_picture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <vector>

namespace pigmentrix {
namespace {

const QSize DesignPicture(165, 132);

MagnifierLayout DesignLayout(int zoom)
{
    const std::optional<MagnifierLayout> layout = MagnifierLayoutFor(DesignPicture, zoom);
    EXPECT_TRUE(layout.has_value());
    return layout.value_or(MagnifierLayout{});
}

struct GeometryRow {
    int zoom;
    QSize block;
    int px, py;
    int d2, h2;
    QPoint cross;
    OutlineCorners outline;
};

TEST(MagnifierGeometry, MatchesTheWorkedTableForTheDesignPicture)
{
    const std::vector<GeometryRow> rows = {
        {1, {165, 132}, 1, 1, 82, 66, {82, 66}, {81, 65, 83, 67}},
        {4, {41, 33}, 4, 4, 20, 16, {82, 66}, {80, 63, 85, 68}},
        // Zoom 8 shows the pointer's pixel at columns 83-90, rows 66-74.
        {8, {20, 16}, 8, 8, 10, 8, {84, 68}, {82, 65, 91, 75}},
        {10, {16, 13}, 10, 10, 8, 6, {85, 64}, {82, 60, 93, 72}},
        {20, {8, 6}, 20, 22, 4, 3, {90, 78}, {82, 65, 104, 88}},
    };
    for (const GeometryRow &row : rows) {
        SCOPED_TRACE("zoom " + std::to_string(row.zoom));
        const MagnifierLayout layout = DesignLayout(row.zoom);
        EXPECT_EQ(layout.block, row.block);
        EXPECT_EQ(layout.px, row.px);
        EXPECT_EQ(layout.py, row.py);
        EXPECT_EQ(layout.d2, row.d2);
        EXPECT_EQ(layout.h2, row.h2);
        EXPECT_EQ(CrossCentre(layout), row.cross);
        const OutlineCorners outline = RectangleOutline(layout);
        EXPECT_EQ(outline.left, row.outline.left);
        EXPECT_EQ(outline.top, row.outline.top);
        EXPECT_EQ(outline.right, row.outline.right);
        EXPECT_EQ(outline.bottom, row.outline.bottom);
    }
}

TEST(MagnifierGeometry, OffsetsTableCoversZoomOneToTwentyOnly)
{
    const std::vector<std::pair<int, QPoint>> rows = {
        {1, {0, 0}},  {2, {0, -1}}, {6, {1, 1}},  {7, {-1, 1}}, {9, {3, 1}}, {11, {3, 3}}, {13, {1, -1}},
        {14, {3, 1}}, {17, {3, 1}}, {18, {0, 1}}, {20, {0, 1}}, {0, {0, 0}}, {21, {0, 0}},
    };
    for (const auto &[zoom, offset] : rows) {
        SCOPED_TRACE("zoom " + std::to_string(zoom));
        EXPECT_EQ(CrosshairOffset(zoom), offset);
    }
}

TEST(MagnifierGeometry, BlockAroundThePointerPutsThePointerAtColumnD2RowH2)
{
    EXPECT_EQ(MagnifierBlock(DesignLayout(4), {1000, 500}), QRect(QPoint(980, 484), QPoint(1020, 516)));
    EXPECT_EQ(MagnifierBlock(DesignLayout(1), {0, 0}), QRect(-82, -66, 165, 132));
}

TEST(MagnifierGeometry, PictureTooSmallForTheZoomHasNoLayout)
{
    EXPECT_FALSE(MagnifierLayoutFor({19, 40}, 20));
    EXPECT_FALSE(MagnifierLayoutFor(DesignPicture, 0));
    EXPECT_TRUE(MagnifierLayoutFor({20, 20}, 20));
}

// A block whose every pixel has its own colour, so the stretch can be traced.
QImage NumberedBlock(QSize size)
{
    QImage block(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            block.setPixel(x, y, qRgb(x, y, 7));
    return block;
}

// Lengths of the runs of equal pixels along a row (or a column).
std::vector<int> Runs(const QImage &picture, bool alongRow)
{
    std::vector<int> runs;
    const int length = alongRow ? picture.width() : picture.height();
    QRgb previous = 0;
    for (int i = 0; i < length; ++i) {
        const QRgb p = alongRow ? picture.pixel(i, 0) : picture.pixel(0, i);
        if (i == 0 || p != previous)
            runs.push_back(0);
        ++runs.back();
        previous = p;
    }
    return runs;
}

TEST(StretchNearest, ZoomTwentyMakesBlocksTwentyOrTwentyOneWideAndTwentyTwoHigh)
{
    const QImage picture = StretchNearest(NumberedBlock({8, 6}), DesignPicture);
    const std::vector<int> columns = Runs(picture, true);
    ASSERT_EQ(columns.size(), 8u);
    for (int width : columns)
        EXPECT_TRUE(width == 20 || width == 21) << width;
    EXPECT_EQ(Runs(picture, false), std::vector<int>(6, 22));
    EXPECT_EQ(picture.pixel(164, 131), qRgb(7, 5, 7)) << "the last picture pixel shows the last block pixel";
}

TEST(StretchNearest, ZoomOneShowsTheBlockOneToOne)
{
    const QImage block = NumberedBlock({165, 132});
    const QImage picture = StretchNearest(block, DesignPicture);
    for (QPoint p : {QPoint(0, 0), QPoint(82, 66), QPoint(164, 131), QPoint(100, 3)})
        EXPECT_EQ(picture.pixel(p), block.pixel(p));
}

TEST(StretchNearest, PixelsBeyondTheDesktopShowBlack)
{
    QImage block = NumberedBlock({2, 1});
    block.setPixel(0, 0, qRgba(0, 0, 0, 0));
    const QImage picture = StretchNearest(block, {4, 2});
    EXPECT_EQ(picture.pixel(1, 1), qRgb(0, 0, 0));
    EXPECT_EQ(picture.pixel(2, 0), qRgb(1, 0, 7));
}

QImage Uniform(QRgb colour)
{
    QImage picture(DesignPicture, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

std::set<std::pair<int, int>> InvertedPixels(const QImage &picture, QRgb colour)
{
    std::set<std::pair<int, int>> inverted;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            if (p == (colour ^ 0x00FFFFFFu))
                inverted.insert({x, y});
            else
                EXPECT_EQ(p, colour) << "(" << x << ", " << y << ") neither kept nor inverted";
        }
    return inverted;
}

TEST(Crosshair, CrossCentreKeepsItsColourWhileTheOther38PixelsInvert)
{
    const QRgb colour = qRgb(30, 140, 220);
    for (int zoom : {1, 4, 10, 20}) {
        SCOPED_TRACE("zoom " + std::to_string(zoom));
        const MagnifierLayout layout = DesignLayout(zoom);
        QImage picture = Uniform(colour);
        DrawCrosshair(picture, layout, Crosshair::Cross);
        const QPoint c = CrossCentre(layout);
        std::set<std::pair<int, int>> arms;
        for (int i = -10; i < 10; ++i) {
            arms.insert({c.x() + i, c.y()});
            arms.insert({c.x(), c.y() + i});
        }
        arms.erase({c.x(), c.y()});
        EXPECT_EQ(arms.size(), 38u);
        EXPECT_EQ(InvertedPixels(picture, colour), arms);
        EXPECT_EQ(picture.pixel(c), colour);
    }
}

// Zoom 4 shows the pointer's pixel at columns 81-84 and rows 64-67.
TEST(Crosshair, RectangleAtZoomFourInvertsTheOutlineFrom80_63To85_68Once)
{
    const QRgb colour = qRgb(200, 10, 90);
    QImage picture = Uniform(colour);
    DrawCrosshair(picture, DesignLayout(4), Crosshair::Rectangle);
    std::set<std::pair<int, int>> outline;
    for (int x = 80; x <= 85; ++x) {
        outline.insert({x, 63});
        outline.insert({x, 68});
    }
    for (int y = 63; y <= 68; ++y) {
        outline.insert({80, y});
        outline.insert({85, y});
    }
    EXPECT_EQ(InvertedPixels(picture, colour), outline);
}

// The rectangle frames exactly the stretched pixels the colour is taken
// from, at every zoom, for each averaging and at the picture sizes of
// scales 1 and 2.
TEST(Crosshair, RectangleFramesExactlyTheSampledPixels)
{
    for (const QSize size : {DesignPicture, QSize(330, 264), QSize(81, 66)}) {
        for (int zoom = 1; zoom <= 20; ++zoom) {
            const std::optional<MagnifierLayout> layout = MagnifierLayoutFor(size, zoom);
            if (!layout)
                continue;
            // Each screen pixel of the block its own colour: its column and row.
            QImage block(layout->block, QImage::Format_RGB32);
            for (int y = 0; y < block.height(); ++y)
                for (int x = 0; x < block.width(); ++x)
                    block.setPixel(x, y, qRgb(x, y, 0));
            const QImage stretched = StretchNearest(block, size);
            for (const int sampleSize : {1, 3, 5}) {
                SCOPED_TRACE(testing::Message()
                             << size.width() << "x" << size.height() << " zoom " << zoom << " sample " << sampleSize);
                const int half = sampleSize / 2;
                const OutlineCorners c = RectangleOutline(*layout, sampleSize);
                for (int y = 0; y < size.height(); ++y) {
                    for (int x = 0; x < size.width(); ++x) {
                        const QRgb p = stretched.pixel(x, y);
                        const bool sampled =
                            std::abs(qRed(p) - layout->d2) <= half && std::abs(qGreen(p) - layout->h2) <= half;
                        const bool inside = x > c.left && x < c.right && y > c.top && y < c.bottom;
                        ASSERT_EQ(inside, sampled) << "picture pixel " << x << "," << y;
                    }
                }
            }
        }
    }
}

TEST(Crosshair, NoneLeavesThePictureAlone)
{
    const QRgb colour = qRgb(1, 2, 3);
    QImage picture = Uniform(colour);
    DrawCrosshair(picture, DesignLayout(4), Crosshair::None);
    EXPECT_TRUE(InvertedPixels(picture, colour).empty());
}

TEST(InvertLine, CoversTheStartButNotTheEndAndSkipsPixelsOutside)
{
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(qRgb(0, 0, 0));
    InvertLine(picture, {-2, 1}, {2, 1});
    InvertLine(picture, {3, 2}, {3, 0});
    EXPECT_EQ(picture.pixel(0, 1), qRgb(255, 255, 255));
    EXPECT_EQ(picture.pixel(1, 1), qRgb(255, 255, 255));
    EXPECT_EQ(picture.pixel(2, 1), qRgb(0, 0, 0)) << "the end point stays";
    EXPECT_EQ(picture.pixel(3, 2), qRgb(255, 255, 255));
    EXPECT_EQ(picture.pixel(3, 1), qRgb(255, 255, 255));
    EXPECT_EQ(picture.pixel(3, 0), qRgb(0, 0, 0));
}

TEST(MagnifierPicture, CrossCentreShowsThePointersPixel)
{
    const MagnifierLayout layout = DesignLayout(4);
    QImage block(layout.block, QImage::Format_ARGB32);
    block.fill(qRgb(10, 10, 10));
    block.setPixel(layout.d2, layout.h2, qRgb(250, 128, 3));
    const QImage picture = BuildMagnifierPicture(block, layout, Crosshair::Cross);
    EXPECT_EQ(picture.size(), DesignPicture);
    EXPECT_EQ(picture.pixel(CrossCentre(layout)), qRgb(250, 128, 3));
}

} // namespace
} // namespace pigmentrix
