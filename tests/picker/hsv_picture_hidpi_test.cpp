// Runs on offscreen screens side by side: "Plain" at pixel ratio 1 on the
// left, "Dense" at pixel ratio 2 beside it (two_screens.json).
#include "window_test_fixture.h"

#include "displays/hsv_picture_area.h"
#include "displays/hsv_pictures.h"
#include "model/color_codes.h"
#include "ui/image_view.h"

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
        ASSERT_GE(QApplication::screens().size(), 2) << "start with the several-screen offscreen configuration";
    }

    void moveTo(int screenLeft)
    {
        window->move(screenLeft + 40, 40);
        QApplication::processEvents();
    }

    ImageView *picture() const { return control<ImageView>("imgColorWheel"); }

    QImage expectedPicture(qreal ratio) const
    {
        return HsvPicture(area<HsvPictureArea>().displayMode(), picture()->size(), slider("scrollbarHue")->Value(),
                          slider("scrollbarValue")->Value(), ratio);
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
        const QImage &shown = picture()->image();
        EXPECT_EQ(shown.devicePixelRatio(), row.ratio);
        EXPECT_EQ(shown.size(), row.pixels);
        EXPECT_EQ(shown, expectedPicture(row.ratio));
    }
}

TEST_F(HsvPictureHiDpiTest, PickingStaysInLogicalPixelsOnADenseScreen)
{
    moveTo(800);
    item("HSVRectangle1")->trigger();
    ASSERT_EQ(picture()->image().devicePixelRatio(), 2.0);
    ImageView *target = picture();
    const QPointF at(105.5, 105.5); // the last logical pixel, between device pixels
    QMouseEvent press(QEvent::MouseButtonPress, at, target->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, target->mapToGlobal(at), Qt::LeftButton, {}, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
    EXPECT_EQ(slider("scrollbarHue")->Value(), 360);
    EXPECT_EQ(slider("scrollbarSaturation")->Value(), 255);
    EXPECT_EQ(slider("scrollbarValue")->Value(), 0);
}

} // namespace
} // namespace pigmentrix
