// Runs on two offscreen screens side by side: "Plain" at pixel ratio 1 on the
// left, "Dense" at pixel ratio 2 on the right (two_screens.json).
#include "window_test_fixture.h"

#include "displays/hsv_pictures.h"
#include "displays/image_view.h"
#include "model/color_codes.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QScreen>

namespace pigmentrix {
namespace {

class HsvPictureHiDpiTest : public PickerWindowTest {
protected:
    void SetUp() override
    {
        PickerWindowTest::SetUp();
        ASSERT_EQ(QApplication::screens().size(), 2) << "start with the two-screen offscreen configuration";
    }

    void moveTo(int screenLeft)
    {
        window->move(screenLeft + 40, 40);
        QApplication::processEvents();
    }

    QImage expectedPicture(qreal ratio) const
    {
        return HsvPicture(window->odisplaymode, window->imgColorWheel->size(), window->scrollbarHue->Value(),
                          window->scrollbarValue->Value(), ratio);
    }
};

TEST_F(HsvPictureHiDpiTest, PictureIsRebuiltAtTheDevicePixelsOfTheScreenItMovesTo)
{
    setColor(ComposeColor(255, 255, 255));
    struct Row {
        const char *screen;
        int left;
        qreal ratio;
        QSize pixels;
    };
    const Row rows[] = {
        {"Plain", 0, 1.0, {105, 106}},
        {"Dense", 800, 2.0, {210, 212}},
        {"Plain", 0, 1.0, {105, 106}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.screen);
        moveTo(row.left);
        ASSERT_EQ(window->screen()->name(), row.screen);
        const QImage &shown = window->imgColorWheel->image();
        EXPECT_EQ(shown.devicePixelRatio(), row.ratio);
        EXPECT_EQ(shown.size(), row.pixels);
        EXPECT_EQ(shown, expectedPicture(row.ratio));
    }
}

TEST_F(HsvPictureHiDpiTest, PickingStaysInLogicalPixelsOnADenseScreen)
{
    moveTo(800);
    window->HSVRectangle1->trigger();
    ASSERT_EQ(window->imgColorWheel->image().devicePixelRatio(), 2.0);
    ImageView *picture = window->imgColorWheel;
    const QPointF at(105.5, 105.5); // the last logical pixel, between device pixels
    QMouseEvent press(QEvent::MouseButtonPress, at, picture->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(picture, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, picture->mapToGlobal(at), Qt::LeftButton, {},
                        Qt::NoModifier);
    QApplication::sendEvent(picture, &release);
    EXPECT_EQ(window->scrollbarHue->Value(), 360);
    EXPECT_EQ(window->scrollbarSaturation->Value(), 255);
    EXPECT_EQ(window->scrollbarValue->Value(), 0);
}

} // namespace
} // namespace pigmentrix
