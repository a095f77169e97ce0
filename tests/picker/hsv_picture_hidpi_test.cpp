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

// On either screen a click takes the very pixel of the picture under the
// pointer: on the dense one a device pixel, named by the fraction of the
// pointer's logical position.
TEST_F(HsvPictureHiDpiTest, AClickTakesThePixelUnderThePointerAtEitherScale)
{
    struct Row {
        const char *mode;
        QPointF at;
    };
    const Row rows[] = {
        {"ColorWheel1", {20.25, 80.75}}, {"ColorWheel1", {52.5, 53.5}},    {"ColorWheel1", {70.0, 30.5}},
        {"HueRange1", {52.75, 52.25}},   {"HueRange1", {0.5, 105.5}},      {"HSVRectangle1", {80.5, 30.5}},
        {"HSVRectangle1", {0.0, 0.75}},  {"HSVRectangle1", {103.5, 60.0}},
    };
    for (const auto &[screen, left] : {std::pair{"Plain", 0}, std::pair{"Dense", 800}}) {
        moveTo(left);
        ASSERT_EQ(window->screen()->name(), screen);
        for (const Row &row : rows) {
            SCOPED_TRACE(testing::Message() << screen << " " << row.mode << " at " << row.at.x() << "," << row.at.y());
            item(row.mode)->trigger();
            setColor(ComposeColor(75, 125, 150));
            const QImage shown = picture()->image();
            const qreal ratio = shown.devicePixelRatio();
            const QPoint pixel(static_cast<int>(row.at.x() * ratio), static_cast<int>(row.at.y() * ratio));
            const QRgb expected = shown.pixel(pixel);
            ImageView *target = picture();
            QMouseEvent press(QEvent::MouseButtonPress, row.at, target->mapToGlobal(row.at), Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &press);
            QMouseEvent release(QEvent::MouseButtonRelease, row.at, target->mapToGlobal(row.at), Qt::LeftButton, {},
                                Qt::NoModifier);
            QApplication::sendEvent(target, &release);
            EXPECT_EQ(color(), ComposeColor(qRed(expected), qGreen(expected), qBlue(expected)));
        }
    }
}

} // namespace
} // namespace pigmentrix
