// The magnifier on offscreen screens of pixel ratio 1, 2 and 1.5
// (two_screens.json): built at device pixels, so that zoom 1 shows one screen
// pixel on one device pixel and the crosshair is one device pixel thin, and
// a click takes the device pixel under the pointer.
#include "grab_test_fixture.h"

#include "sampling/grab_controller.h"
#include "ui/image_view.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QScreen>

namespace pigmentrix {
namespace {

class MagnifierHiDpiTest : public GrabWindowTest {
protected:
    void SetUp() override
    {
        GrabWindowTest::SetUp();
        ASSERT_EQ(QApplication::screens().size(), 3) << "start with the three-screen offscreen configuration";
    }

    void moveTo(const char *screenName)
    {
        for (QScreen *screen : QApplication::screens()) {
            if (screen->name() == QLatin1String(screenName))
                window->move(screen->geometry().topLeft() + QPoint(40, 40));
        }
        QApplication::processEvents();
    }

    ImageView *magnifier() const { return control<ImageView>("imgMagnifier"); }
};

struct ScreenRow {
    const char *screen;
    qreal ratio;
};

TEST_F(MagnifierHiDpiTest, ZoomOneShowsEveryScreenPixelOnOneDevicePixel)
{
    const ScreenRow rows[] = {{"Plain", 1.0}, {"Dense", 2.0}, {"Between", 1.5}};
    item("Zoom1X1")->trigger();
    item("None1")->trigger();
    for (const ScreenRow &row : rows) {
        SCOPED_TRACE(row.screen);
        moveTo(row.screen);
        ASSERT_EQ(window->screen()->name(), row.screen);
        grabAt({300, 200});
        const QImage &picture = magnifier()->image();
        const QSize pixels(qRound(magnifier()->width() * row.ratio), qRound(magnifier()->height() * row.ratio));
        ASSERT_EQ(picture.size(), pixels);
        EXPECT_EQ(picture.devicePixelRatio(), row.ratio);
        // The block is the picture's own size in screen pixels, centred on
        // the pointer: picture pixel (x, y) is screen pixel (left + x, top + y).
        const QPoint topLeft(300 - pixels.width() / 2, 200 - pixels.height() / 2);
        for (const QPoint at :
             {QPoint(0, 0), QPoint(1, 0), QPoint(7, 3), QPoint(pixels.width() - 1, pixels.height() - 1)})
            EXPECT_EQ(picture.pixel(at), patternAt(topLeft.x() + at.x(), topLeft.y() + at.y()))
                << at.x() << "," << at.y();
    }
}

TEST_F(MagnifierHiDpiTest, TheCrosshairIsOneDevicePixelThin)
{
    const ScreenRow rows[] = {{"Plain", 1.0}, {"Dense", 2.0}, {"Between", 1.5}};
    item("Zoom1X1")->trigger();
    for (const ScreenRow &row : rows) {
        SCOPED_TRACE(row.screen);
        moveTo(row.screen);
        grabAt({300, 200});
        const QImage &picture = magnifier()->image();
        // Find the horizontal arm: inverted pixels in the row of the pointer.
        int invertedRows = 0;
        for (int y = 0; y < picture.height(); ++y) {
            const QPoint probe(picture.width() / 2 + 5, y);
            const QPoint screenPixel(300 - picture.width() / 2 + probe.x(), 200 - picture.height() / 2 + y);
            if (picture.pixel(probe) == (patternAt(screenPixel.x(), screenPixel.y()) ^ 0x00FFFFFFu))
                ++invertedRows;
        }
        EXPECT_EQ(invertedRows, 1);
    }
}

TEST_F(MagnifierHiDpiTest, AClickTakesTheDevicePixelUnderThePointer)
{
    item("Zoom1X1")->trigger();
    item("None1")->trigger();
    moveTo("Dense");
    grabAt({300, 200});
    const QImage picture = magnifier()->image();
    for (const QPointF at : {QPointF(10.0, 20.0), QPointF(10.5, 20.5), QPointF(10.5, 20.0)}) {
        SCOPED_TRACE(at.x() * 10 + at.y());
        QMouseEvent press(QEvent::MouseButtonPress, at, magnifier()->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(magnifier(), &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, magnifier()->mapToGlobal(at), Qt::LeftButton, {},
                            Qt::NoModifier);
        QApplication::sendEvent(magnifier(), &release);
        const QRgb p = picture.pixel(static_cast<int>(at.x() * 2), static_cast<int>(at.y() * 2));
        EXPECT_EQ(color(), ComposeColor(qRed(p), qGreen(p), qBlue(p)));
    }
}

} // namespace
} // namespace pigmentrix
