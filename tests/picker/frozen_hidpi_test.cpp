#include "sampling/frozen_grab.h"
#include "sampling/frozen_overlay.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

#include <algorithm>

namespace pigmentrix {
namespace {

// Three screens side by side at pixel ratios 1, 2 and 1.5 (two_screens.json),
// laid on a still picture of the whole desktop one after the other, each at
// its own physical size, as the X server's root window has them.
class FrozenHiDpiTest : public testing::Test {
protected:
    void SetUp() override
    {
        int across = 0;
        for (const ScreenGeometry &screen : CurrentScreenGeometries()) {
            const QSize physical = (QSizeF(screen.logical.size()) * screen.devicePixelRatio).toSize();
            placements.push_back({screen.logical, QRect(QPoint(across, 0), physical)});
            ratios.push_back(screen.devicePixelRatio);
            across += physical.width();
            height = std::max(height, physical.height());
        }
        ASSERT_EQ(placements.size(), 3u);
        desktop = QImage(across, height, QImage::Format_RGB32);
        desktop.fill(qRgb(0, 0, 255));
    }

    std::size_t screenAt(qreal ratio) const
    {
        return static_cast<std::size_t>(std::find(ratios.begin(), ratios.end(), ratio) - ratios.begin());
    }
    QPoint imageOrigin(qreal ratio) const { return placements.at(screenAt(ratio)).image.topLeft(); }

    static QPoint pickingPointAfterMove(FrozenGrab &grab, std::size_t screen, QPointF local)
    {
        FrozenScreenOverlay *overlay = grab.overlays().at(screen).get();
        QMouseEvent move(QEvent::MouseMove, local, overlay->mapToGlobal(local), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(overlay, &move);
        return *grab.sampler().pointerPosition();
    }

    std::vector<ScreenPlacement> placements;
    std::vector<qreal> ratios;
    int height = 0;
    QImage desktop;
};

TEST_F(FrozenHiDpiTest, EveryPhysicalPixelOfEveryScreenCanBePicked)
{
    FrozenGrab grab(desktop, placements);
    struct Row {
        qreal ratio;
        QPointF local;
        QPoint expected; // from the screen's corner in the picture
    };
    const Row rows[] = {
        {1, {10.4, 20.6}, {10, 20}},           {2, {0, 0}, {0, 0}},
        {2, {10.5, 20.5}, {21, 41}}, // an odd physical pixel at scale 2
        {2, {10.0, 20.0}, {20, 40}},           {2, {799.75, 799.75}, {1599, 1599}},
        {1.5, {10 / 1.5, 20 / 1.5}, {10, 20}}, {1.5, {11 / 1.5, 21 / 1.5}, {11, 21}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << "scale " << row.ratio << " at " << row.local.x() << ", " << row.local.y());
        EXPECT_EQ(pickingPointAfterMove(grab, screenAt(row.ratio), row.local), imageOrigin(row.ratio) + row.expected);
    }
}

TEST_F(FrozenHiDpiTest, OnACompositorsPictureTheLayoutIsDrawnAtTheHighestScale)
{
    const std::vector<ScreenGeometry> screens = CurrentScreenGeometries();
    QRect layout;
    for (const ScreenGeometry &screen : screens)
        layout |= screen.logical;
    const QSize picture = layout.size() * 2;
    FrozenGrab grab(QImage(picture, QImage::Format_RGB32), PlaceScreensOnLayoutImage(screens, picture));
    for (std::size_t i = 0; i < screens.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "screen at scale " << screens[i].devicePixelRatio);
        const QPoint corner = (screens[i].logical.topLeft() - layout.topLeft()) * 2;
        EXPECT_EQ(pickingPointAfterMove(grab, i, {10.25, 20.75}), corner + QPoint(20, 41)) << "two pixels a point";
        EXPECT_EQ(pickingPointAfterMove(grab, i, {0.5, 0.5}), corner + QPoint(1, 1)) << "one pixel a half point";
    }
}

TEST_F(FrozenHiDpiTest, EachStillScreenCoversItsScreenAndShowsItsPartAtDevicePixels)
{
    const QPoint odd = imageOrigin(2) + QPoint(21, 41);
    desktop.setPixel(odd, qRgb(255, 0, 0));
    FrozenGrab grab(desktop, placements);
    grab.show();
    FrozenScreenOverlay *doubled = grab.overlays().at(screenAt(2)).get();
    EXPECT_EQ(doubled->geometry(), placements.at(screenAt(2)).logical);
    const QImage shown = doubled->grab().toImage();
    EXPECT_EQ(shown.size(), doubled->size() * 2) << "drawn at device pixels";
    EXPECT_EQ(shown.pixel(21, 41), qRgb(255, 0, 0)) << "the odd physical pixel where it was";
    EXPECT_EQ(shown.pixel(20, 41), qRgb(0, 0, 255));
    EXPECT_EQ(shown.pixel(21, 40), qRgb(0, 0, 255));
}

} // namespace
} // namespace pigmentrix
