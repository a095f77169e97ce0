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

#include <cstdlib>
#include <utility>

namespace pigmentrix {
namespace {

class MagnifierHiDpiTest : public GrabWindowTest {
protected:
    void SetUp() override
    {
        GrabWindowTest::SetUp();
        ASSERT_EQ(QApplication::screens().size(), 3) << "start with the three-screen offscreen configuration";
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
        moveToScreen(row.screen);
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
        moveToScreen(row.screen);
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

// The rectangle crosshair encloses exactly the enlarged screen pixels the
// colour is taken from (the pointer's, or the 3 x 3 and 5 x 5 blocks), at
// each zoom and scale: every pixel inside it shows one of them, and every
// one of them lies inside it.
TEST_F(MagnifierHiDpiTest, TheRectangleFramesTheSampledPixelsAtEveryZoom)
{
    const ScreenRow rows[] = {{"Plain", 1.0}, {"Dense", 2.0}};
    const QPoint pointer(300, 200);
    item("Rectangle1")->trigger();
    for (const ScreenRow &row : rows) {
        moveToScreen(row.screen);
        for (const auto &[averaging, half] :
             {std::pair{"Off1", 0}, std::pair{"N3x3Average1", 1}, std::pair{"N5x5Average1", 2}}) {
            item(averaging)->trigger();
            // (At zoom 20 the 5 x 5 block reaches the picture's edge, where no
            // outline can be drawn; the picture tests cover it.)
            for (const int zoom : {1, 3, 4, 7, 8, 10, 13}) {
                SCOPED_TRACE(testing::Message() << row.screen << " " << averaging << " zoom " << zoom);
                item(QStringLiteral("Zoom%1X1").arg(zoom).toLatin1().constData())->trigger();
                grabAt(pointer);
                const QImage &picture = magnifier()->image();
                // The outline: the inverted pixels' bounding box.
                QRect outline;
                const auto sampled = [&](QRgb p) {
                    return std::abs(qRed(p) - pointer.x() % 256) <= half
                           && std::abs(qGreen(p) - pointer.y() % 256) <= half;
                };
                for (int y = 0; y < picture.height(); ++y)
                    for (int x = 0; x < picture.width(); ++x) {
                        const QRgb p = picture.pixel(x, y);
                        if (qBlue(p) == 255 - 77)
                            outline |= QRect(x, y, 1, 1);
                    }
                ASSERT_FALSE(outline.isEmpty());
                const QRect inside = outline.adjusted(1, 1, -1, -1);
                for (int y = 0; y < picture.height(); ++y)
                    for (int x = 0; x < picture.width(); ++x) {
                        const QRgb p = picture.pixel(x, y);
                        if (qBlue(p) != 77)
                            continue;
                        ASSERT_EQ(inside.contains(x, y), sampled(p)) << x << "," << y;
                    }
            }
        }
    }
}

TEST_F(MagnifierHiDpiTest, AClickTakesTheDevicePixelUnderThePointer)
{
    item("Zoom1X1")->trigger();
    item("None1")->trigger();
    moveToScreen("Dense");
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
