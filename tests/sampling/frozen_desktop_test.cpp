#include "sampling/frozen_desktop.h"

#include <gtest/gtest.h>

#include <QImage>

namespace pigmentrix {
namespace {

TEST(PlaceScreensOnRoot, KeepsEachOriginAndScalesOnlyTheSize)
{
    // Qt keeps a screen's physical origin and divides its size by the ratio.
    const std::vector<ScreenPlacement> placed = PlaceScreensOnRoot({
        {QRect(0, 0, 800, 600), 1, "a"},
        {QRect(800, 0, 400, 300), 2, "b"},
        {QRect(1600, 0, 534, 400), 1.5, "c"},
    });
    ASSERT_EQ(placed.size(), 3u);
    EXPECT_EQ(placed[0].image, QRect(0, 0, 800, 600));
    EXPECT_EQ(placed[1].image, QRect(800, 0, 800, 600));
    EXPECT_EQ(placed[2].image, QRect(1600, 0, 801, 600));
}

TEST(ImagePixelAt, MapsLogicalPointsToTheImagePixelUnderThem)
{
    const ScreenPlacement doubled{QRect(800, 0, 400, 300), QRect(1600, 0, 800, 600)};
    const ScreenPlacement plain{QRect(0, 0, 800, 600), QRect(0, 0, 800, 600)};
    const ScreenPlacement between{QRect(0, 0, 534, 400), QRect(1600, 0, 801, 600)};
    struct Row {
        const ScreenPlacement &screen;
        QPointF local;
        QPoint expected;
    };
    const Row rows[] = {
        {doubled, {0, 0}, {1600, 0}},       {doubled, {0.25, 0.25}, {1600, 0}},
        {doubled, {0.5, 0.5}, {1601, 1}}, // the odd physical pixel, not its neighbour
        {doubled, {10.75, 3.5}, {1621, 7}}, {doubled, {399.9, 299.9}, {2399, 599}},
        {doubled, {400, 300}, {2399, 599}}, // the far edge stays on the screen
        {doubled, {-1, -1}, {1600, 0}},     {plain, {12.9, 7.2}, {12, 7}},
        {between, {1, 1}, {1601, 1}},       {between, {2, 2}, {1603, 3}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << row.local.x() << ", " << row.local.y());
        EXPECT_EQ(ImagePixelAt(row.screen, row.local), row.expected);
    }
}

class FrozenScreenSamplerTest : public testing::Test {
protected:
    static QImage desktop()
    {
        // 4 x 3, pixel (x, y) = (10x, 10y, 5), with half its alpha, as a
        // screenshot may come.
        QImage image(4, 3, QImage::Format_ARGB32);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x)
                image.setPixel(x, y, qRgba(10 * x, 10 * y, 5, 128));
        return image;
    }
    FrozenScreenSampler sampler{desktop()};
};

TEST_F(FrozenScreenSamplerTest, ReadsPixelsAsOpaqueAndNothingBeyondTheImage)
{
    EXPECT_EQ(sampler.pixel({3, 2}), ComposeColor(30, 20, 5));
    EXPECT_EQ(sampler.pixel({4, 0}), std::nullopt);
    EXPECT_EQ(sampler.pixel({0, -1}), std::nullopt);
}

TEST_F(FrozenScreenSamplerTest, CopiesBlocksWithTransparentPixelsBeyondTheImage)
{
    const std::optional<QImage> block = sampler.copyArea(QRect(-1, -1, 3, 3));
    ASSERT_TRUE(block);
    EXPECT_EQ(block->size(), QSize(3, 3));
    EXPECT_EQ(qAlpha(block->pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(block->pixel(2, 0)), 0);
    EXPECT_EQ(block->pixel(1, 1), qRgba(0, 0, 5, 255));
    EXPECT_EQ(block->pixel(2, 2), qRgba(10, 10, 5, 255));
}

TEST_F(FrozenScreenSamplerTest, NudgesThePickingPointAndKeepsItOnTheImage)
{
    sampler.setPickingPoint({1, 1});
    struct Row {
        int dx;
        int dy;
        QPoint expected;
    };
    const Row rows[] = {{1, 0, {2, 1}}, {0, 1, {2, 2}}, {10, 0, {3, 2}}, {0, 10, {3, 2}}, {-10, -10, {0, 0}}};
    for (const Row &row : rows) {
        sampler.nudge(row.dx, row.dy);
        EXPECT_EQ(sampler.pointerPosition(), row.expected);
    }
}

} // namespace
} // namespace pigmentrix
