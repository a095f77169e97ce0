#include "sampling/frozen_grab.h"
#include "sampling/frozen_overlay.h"
#include "sampling/output_pictures.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>

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
        QApplication::sendEvent(overlay->pointerTarget(), &move);
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

// A compositor's one picture of the whole layout at scale 2, in which it
// repeats each pixel of the screens at a lower scale as a block (as KWin
// does): every screen is still read at its own device pixels.
TEST_F(FrozenHiDpiTest, ThroughACompositorsOnePictureEveryScreenIsReadAtItsOwnPixels)
{
    std::vector<OutputLayout> outputs;
    QRect layout;
    for (const ScreenGeometry &screen : CurrentScreenGeometries()) {
        outputs.push_back(
            {screen.name, screen.logical, (QSizeF(screen.logical.size()) * screen.devicePixelRatio).toSize()});
        layout |= screen.logical;
    }
    QImage picture(layout.size() * 2, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x, y, 9));
    const std::vector<OutputPicture> pictures = CutLayoutPicture(picture, outputs, PictureUpscaling::Repeated);
    const StillDesktop still = ComposeStillDesktop(pictures);
    FrozenGrab grab(still.image, PlaceScreensOnOutputs(CurrentScreenGeometries(), pictures, still.outputs));
    struct Row {
        qreal ratio;
        QPointF local;
        QPoint expected; // from the screen's corner, in its own pixels
    };
    const Row rows[] = {
        {1, {10.25, 20.75}, {10, 20}}, {2, {10.25, 20.75}, {20, 41}}, {2, {0.5, 0.5}, {1, 1}}, // the odd pixel
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << "scale " << row.ratio << " at " << row.local.x() << ", " << row.local.y());
        const std::size_t screen = screenAt(row.ratio);
        const QPoint point = pickingPointAfterMove(grab, screen, row.local);
        EXPECT_EQ(point, still.outputs.at(screen).topLeft() + row.expected);
        EXPECT_TRUE(grab.overlays().at(screen)->placement().exact);
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

// A pointer that jumps onto another screen in one motion meets it with an
// enter event and no move: the picking point goes there all the same.
TEST_F(FrozenHiDpiTest, APointerJumpingOntoAnotherScreenMovesThePickingPoint)
{
    FrozenGrab grab(desktop, placements);
    pickingPointAfterMove(grab, screenAt(1), {100, 100});
    FrozenScreenOverlay *dense = grab.overlays().at(screenAt(2)).get();
    QEnterEvent enter(QPointF(50.25, 100.75), dense->mapToGlobal(QPointF(50.25, 100.75)),
                      dense->mapToGlobal(QPointF(50.25, 100.75)));
    QApplication::sendEvent(dense->pointerTarget(), &enter);
    EXPECT_EQ(*grab.sampler().pointerPosition(), imageOrigin(2) + QPoint(100, 201));
}

// The picker window is drawn on the screen of the picking point only, and
// follows it when the arrow keys take the point across the border.
TEST_F(FrozenHiDpiTest, ThePickerPictureFollowsThePickingPointFromScreenToScreen)
{
    FrozenGrab grab(desktop, placements);
    // The fixture lays the screens' pictures side by side in Qt's order:
    // the one at 1.5 just left of the one at 2.
    FrozenScreenOverlay *plain = grab.overlays().at(screenAt(1.5)).get();
    FrozenScreenOverlay *dense = grab.overlays().at(screenAt(2)).get();
    ASSERT_EQ(plain->placement().image.right() + 1, dense->placement().image.left());
    QPixmap picker(486, 282);
    picker.fill(Qt::red);
    pickingPointAfterMove(grab, screenAt(1.5), {799.9, 100});
    grab.showPicker(picker);
    EXPECT_FALSE(plain->pickerArea().isEmpty());
    EXPECT_TRUE(dense->pickerArea().isEmpty());
    QTest::keyClick(plain, Qt::Key_Right);
    grab.showPicker(picker);
    EXPECT_EQ(*grab.sampler().pointerPosition(), imageOrigin(2) + QPoint(0, 150))
        << "one pixel on: the next screen's first";
    EXPECT_TRUE(plain->pickerArea().isEmpty()) << "no picture left behind with an old colour";
    EXPECT_FALSE(dense->pickerArea().isEmpty());
}

// On a screen smaller than the picker window the picture is drawn smaller,
// whole on the screen, and never under the pointer.
TEST_F(FrozenHiDpiTest, ThePickerPictureStaysWholeOnTheScreenAndAwayFromThePointer)
{
    const ScreenPlacement small{QRect(0, 0, 400, 300), QRect(0, 0, 800, 600), true};
    QPixmap picker(486, 282);
    picker.fill(Qt::red);
    struct Row {
        QSize screen;
        QPointF pointer;
    };
    const Row rows[] = {
        {{400, 300}, {20, 20}},  {{400, 300}, {380, 280}},  {{400, 300}, {200, 150}},
        {{1200, 900}, {30, 30}}, {{1200, 900}, {600, 450}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << row.screen.width() << " wide, pointer at " << row.pointer.x() << ", "
                                        << row.pointer.y());
        FrozenScreenOverlay overlay(QGuiApplication::screens().front(), {small}, desktop);
        overlay.resize(row.screen);
        QMouseEvent move(QEvent::MouseMove, row.pointer, overlay.mapToGlobal(row.pointer), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(overlay.pointerTarget(), &move);
        overlay.showPicker(picker);
        const QRect shown = overlay.pickerArea();
        EXPECT_TRUE(overlay.rect().contains(shown)) << "whole on the screen";
        EXPECT_FALSE(shown.contains(row.pointer.toPoint())) << "not under the pointer";
        EXPECT_NEAR(static_cast<double>(shown.width()) / shown.height(), 486.0 / 282, 0.02);
        if (row.screen.width() > 600) {
            EXPECT_EQ(shown.size(), QSize(486, 282)) << "at its own size where it fits";
        }
    }
}

// Through XWayland one still screen covers every screen (X11 knows no
// scales there): each part reads its own screen's pixels, and a screen's
// far edge is the next one's first pixel.
TEST_F(FrozenHiDpiTest, OneStillScreenOverSeveralReadsEachAtItsOwnPixels)
{
    const std::vector<ScreenPlacement> parts = {
        {QRect(0, 0, 800, 600), QRect(0, 0, 800, 600), true},
        {QRect(800, 0, 400, 300), QRect(800, 0, 800, 600), true},
    };
    QImage still(1600, 600, QImage::Format_ARGB32);
    FrozenScreenOverlay overlay(QGuiApplication::screens().front(), parts, still);
    EXPECT_EQ(overlay.geometry(), QRect(0, 0, 1200, 600));
    QPoint picked;
    QObject::connect(&overlay, &FrozenScreenOverlay::pointed, [&picked](QPoint at) { picked = at; });
    struct Row {
        QPointF local;
        QPoint expected;
    };
    const Row rows[] = {
        {{799, 50}, {799, 50}},
        {{800, 50}, {800, 100}},
        {{850.5, 100.5}, {901, 201}},
        {{1199.9, 299.9}, {1599, 599}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << row.local.x() << ", " << row.local.y());
        QMouseEvent move(QEvent::MouseMove, row.local, overlay.mapToGlobal(row.local), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(overlay.pointerTarget(), &move);
        EXPECT_EQ(picked, row.expected);
    }
}

} // namespace
} // namespace pigmentrix
