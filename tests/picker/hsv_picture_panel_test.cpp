#include "window_test_fixture.h"

#include "displays/hsv_picture_area.h"
#include "displays/hsv_pictures.h"
#include "model/color_codes.h"
#include "model/conversions.h"
#include "picker/history_actions.h"
#include "ui/image_view.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>

#include <optional>
#include <vector>

namespace pigmentrix {
namespace {

class HsvPicturePanelTest : public PickerWindowTest {
protected:
    ImageView *picture() const { return control<ImageView>("imgColorWheel"); }
    HsvPictureArea &pictureArea() const { return area<HsvPictureArea>(); }
    const ColorHistory &history() const { return area<HistoryActions>().history(); }

    void chooseMode(QAction *item) { item->trigger(); }

    // Delivers a mouse event to the picture. (QTest's helpers take the point
    // (0, 0) for "the centre", so they cannot press the top-left pixel.)
    void mouse(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint at)
    {
        ImageView *target = picture();
        QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
    void press(Qt::MouseButton button, QPoint at) { mouse(QEvent::MouseButtonPress, button, button, at); }
    void move(Qt::MouseButtons held, QPoint at) { mouse(QEvent::MouseMove, Qt::NoButton, held, at); }
    void release(Qt::MouseButton button, QPoint at) { mouse(QEvent::MouseButtonRelease, button, {}, at); }

    // The left button pressed at from, dragged through drags, released at the
    // last point.
    void pick(QPoint from, const std::vector<QPoint> &drags = {})
    {
        press(Qt::LeftButton, from);
        QPoint last = from;
        for (QPoint to : drags) {
            move(Qt::LeftButton, to);
            last = to;
        }
        release(Qt::LeftButton, last);
    }

    struct Sliders {
        int hue, saturation, value;
        friend bool operator==(const Sliders &, const Sliders &) = default;
        friend std::ostream &operator<<(std::ostream &out, const Sliders &s)
        {
            return out << "HSV(" << s.hue << ", " << s.saturation << ", " << s.value << ")";
        }
    };
    Sliders sliders() const
    {
        return {slider("scrollbarHue")->Value(), slider("scrollbarSaturation")->Value(),
                slider("scrollbarValue")->Value()};
    }

    // The picture the window must show for its mode and sliders.
    QImage expectedPicture() const
    {
        return HsvPicture(pictureArea().displayMode(), picture()->size(), slider("scrollbarHue")->Value(),
                          slider("scrollbarValue")->Value());
    }

    qint64 pictureKey() const { return picture()->image().cacheKey(); }

    // One step of a slider with the keyboard, as the user would.
    void stepSlider(TJvTracker *slider) { QTest::keyClick(slider, Qt::Key_Right); }
};

TEST_F(HsvPicturePanelTest, PictureFillsItsPanelAndShowsTheWheelForTheValue)
{
    EXPECT_EQ(control("pnlCircle")->geometry(), QRect(378, 3, 105, 106));
    EXPECT_EQ(picture()->geometry(), QRect(0, 0, 105, 106));
    EXPECT_EQ(pictureArea().displayMode(), DisplayMode::ColorWheel);
    EXPECT_EQ(picture()->image(), expectedPicture());
    EXPECT_EQ(pictureArea().builtValue(), slider("scrollbarValue")->Value());
    EXPECT_EQ(pictureArea().builtHue(), slider("scrollbarHue")->Value());

    setColor(ComposeColor(255, 255, 255));
    const QImage shown = picture()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.pixel(52, 53), qRgb(255, 255, 255)) << "white at the centre";
    EXPECT_EQ(shown.pixel(52, 13), qRgb(255, 63, 63)) << "red above the centre";
    EXPECT_EQ(shown.pixel(52, 0), ColorWheelBackground) << "the rim at the top";
    EXPECT_EQ(shown.pixel(0, 0), ColorWheelBackground);
}

// Picture 106 pixels high. The start colour, HSV(200, 128, 150) on the
// sliders, shows which sliders a pick leaves alone.
const TColor Start = ComposeColor(75, 125, 150);

TColor ColorOf(QRgb p)
{
    return ComposeColor(qRed(p), qGreen(p), qBlue(p));
}

struct ClickRow {
    const char *name;
    int mode;
    QPoint at;
};

class ClickTest : public HsvPicturePanelTest, public testing::WithParamInterface<ClickRow> { };

// A click takes the colour of the pixel under the pointer; the sliders show
// the hue, saturation and value it is drawn with, and a slider the chart
// does not set stays.
TEST_P(ClickTest, TakesThePixelUnderThePointer)
{
    const ClickRow &row = GetParam();
    pictureArea().setDisplayMode(static_cast<DisplayMode>(row.mode));
    setColor(Start);
    const QImage shown = picture()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    pick(row.at);
    EXPECT_EQ(color(), ColorOf(shown.pixel(row.at)));
    const Sliders now = sliders();
    const PixelTriple drawn = HSVtoRGBTriple(now.hue, now.saturation, now.value);
    EXPECT_EQ(color(), ComposeColor(drawn.red, drawn.green, drawn.blue));
    if (row.mode == 1) {
        EXPECT_EQ(now.value, 150) << "the wheel keeps the value";
    }
    if (row.mode == 2) {
        EXPECT_EQ(now.hue, 200) << "the square keeps the hue";
    }
    EXPECT_EQ(box("edtHue")->text(), QString::number(now.hue));
    EXPECT_FALSE(pictureArea().dragging());
}

INSTANTIATE_TEST_SUITE_P(
    PartsOfThePictures, ClickTest,
    testing::Values(ClickRow{"WheelLowerLeft", 1, {20, 80}}, ClickRow{"WheelCentre", 1, {52, 53}},
                    ClickRow{"WheelRightOfTheCentre", 1, {53, 53}}, ClickRow{"WheelNearTheTop", 1, {52, 3}},
                    ClickRow{"WheelRight", 1, {100, 53}}, ClickRow{"SquareMiddle", 2, {52, 52}},
                    ClickRow{"SquareTopLeft", 2, {0, 0}}, ClickRow{"SquareBottomRight", 2, {104, 105}},
                    ClickRow{"RectangleUpperRight", 3, {80, 30}}, ClickRow{"RectangleTopLeft", 3, {0, 0}},
                    ClickRow{"RectangleLowerMiddle", 3, {50, 90}}, ClickRow{"RectangleLastColumn", 3, {104, 105}}),
    [](const testing::TestParamInfo<ClickRow> &info) { return std::string(info.param.name); });

struct DragRow {
    const char *name;
    int mode;
    QPoint press;
    std::vector<QPoint> drags;
    int hue, saturation, value;
};

class DragTest : public HsvPicturePanelTest, public testing::WithParamInterface<DragRow> { };

// Beyond the picture the wheel gives full saturation in the pointer's
// direction, the square keeps the slider of the axis that left it, and the
// rectangle changes nothing.
TEST_P(DragTest, FollowsThePointerBeyondThePicture)
{
    const DragRow &row = GetParam();
    pictureArea().setDisplayMode(static_cast<DisplayMode>(row.mode));
    setColor(Start);
    pick(row.press, row.drags);
    EXPECT_EQ(sliders(), (Sliders{row.hue, row.saturation, row.value}));
    const PixelTriple drawn = HSVtoRGBTriple(row.hue, row.saturation, row.value);
    EXPECT_EQ(color(), ComposeColor(drawn.red, drawn.green, drawn.blue));
}

INSTANTIATE_TEST_SUITE_P(
    PartsOfThePictures, DragTest,
    testing::Values(DragRow{"WheelDraggedBelow", 1, {52, 53}, {{52, 300}}, 180, 255, 150},
                    DragRow{"WheelDraggedFarRight", 1, {52, 53}, {{400, 53}}, 90, 255, 150},
                    DragRow{"WheelDraggedFarLeft", 1, {52, 53}, {{-300, 53}}, 270, 255, 150},
                    DragRow{"WheelDraggedFarAbove", 1, {52, 53}, {{52, -500}}, 360, 255, 150},
                    DragRow{"SquareDraggedRightKeepsSaturation", 2, {53, 53}, {{120, 53}}, 200, 129, 125},
                    DragRow{"SquareDraggedAboveKeepsValue", 2, {20, 53}, {{30, -5}}, 200, 74, 125},
                    DragRow{"RectangleDraggedBelowChangesNothing", 3, {0, 0}, {{0, 106}}, 3, 0, 255},
                    DragRow{"RectangleDraggedLeftChangesNothing", 3, {0, 0}, {{-1, 50}}, 3, 0, 255},
                    DragRow{"RectangleDraggedBesideTheChartChangesNothing", 3, {0, 0}, {{105, 10}}, 3, 0, 255}),
    [](const testing::TestParamInfo<DragRow> &info) { return std::string(info.param.name); });

TEST_F(HsvPicturePanelTest, OnlyTheLeftButtonPicks)
{
    setColor(Start);
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        press(button, QPoint(53, 0));
        move(button, QPoint(100, 53));
        EXPECT_FALSE(pictureArea().dragging());
        release(button, QPoint(100, 53));
    }
    move(Qt::NoButton, QPoint(53, 0));
    EXPECT_EQ(color(), Start);
    EXPECT_FALSE(history().canUndo());
}

TEST_F(HsvPicturePanelTest, ReleaseOfAnyButtonEndsTheDrag)
{
    setColor(Start);
    press(Qt::LeftButton, QPoint(53, 53));
    EXPECT_TRUE(pictureArea().dragging());
    press(Qt::RightButton, QPoint(53, 53));
    release(Qt::RightButton, QPoint(53, 53));
    EXPECT_FALSE(pictureArea().dragging());
    const Sliders picked = sliders();
    move(Qt::LeftButton, QPoint(53, 0));
    EXPECT_EQ(sliders(), picked) << "moves after the release pick nothing";
    EXPECT_EQ(history().undoEntries()[1].color, ColorHistory::Empty) << "the right press records nothing";
}

TEST_F(HsvPicturePanelTest, EachPressRecordsOneUndoEntry)
{
    setColor(Start);
    pick({53, 53}, {{60, 40}, {70, 30}, {80, 20}});
    const TColor afterFirst = color();
    pick({10, 53}, {{20, 53}});
    ASSERT_TRUE(history().canUndo());
    EXPECT_EQ(history().undoEntries()[0].color, afterFirst);
    EXPECT_EQ(history().undoEntries()[1].color, Start);
    EXPECT_EQ(history().undoEntries()[2].color, ColorHistory::Empty);
    undo();
    undo();
    EXPECT_EQ(color(), Start);
}

struct ModeItemRow {
    const char *item;
    const char *caption;
    int tag;
};

const ModeItemRow ModeItems[] = {
    {"ColorWheel1", "Color Wheel", 1},
    {"HSVRectangle1", "HSV Rectangle", 3},
    {"HueRange1", "SV Square (fixed Hue)", 2},
};

TEST_F(HsvPicturePanelTest, DisplayModeMenuSitsBetweenTextDisplayAndUndo)
{
    QStringList names;
    for (QAction *item : control<QMenu>("pupMain")->actions())
        names << item->objectName();
    const qsizetype displayMode = names.indexOf("DisplayMode1");
    ASSERT_GE(displayMode, 0);
    EXPECT_LT(names.indexOf("extDisplay1"), displayMode);
    EXPECT_EQ(names.indexOf("N3"), displayMode + 1);
    EXPECT_EQ(item("DisplayMode1")->text(), "Display Mode");

    const QList<QAction *> items = item("DisplayMode1")->menu()->actions();
    ASSERT_EQ(items.size(), 3);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(ModeItems[i].item);
        EXPECT_EQ(items[i]->objectName(), ModeItems[i].item);
        EXPECT_EQ(items[i]->text(), ModeItems[i].caption);
        EXPECT_EQ(items[i]->data().toInt(), ModeItems[i].tag);
        EXPECT_TRUE(items[i]->isCheckable());
    }
}

TEST_F(HsvPicturePanelTest, ChoosingADisplayModeTicksItAloneAndRedrawsAtOnce)
{
    setColor(Start);
    for (const ModeItemRow &row : ModeItems) {
        SCOPED_TRACE(row.item);
        QAction *chosen = item("DisplayMode1")->menu()->findChild<QAction *>(row.item);
        ASSERT_NE(chosen, nullptr);
        chosen->trigger();
        EXPECT_EQ(pictureArea().displayMode(), static_cast<DisplayMode>(row.tag));
        for (QAction *modeItem : {item("ColorWheel1"), item("HSVRectangle1"), item("HueRange1")})
            EXPECT_EQ(modeItem->isChecked(), modeItem == chosen) << modeItem->objectName().toStdString();
        EXPECT_EQ(picture()->image(), expectedPicture());
    }
    // Choosing the ticked item again keeps its tick.
    item("HueRange1")->trigger();
    item("HueRange1")->trigger();
    EXPECT_TRUE(item("HueRange1")->isChecked());
}

TEST_F(HsvPicturePanelTest, StoredDisplayModeIsTickedAndDrawnAtStart)
{
    struct Row {
        int stored;
        bool wheel, square, rectangle;
    };
    const Row rows[] = {
        {1, true, false, false},
        {2, false, true, false},
        {3, false, false, true},
        // Any other number draws the rectangle, with nothing ticked.
        {7, false, false, false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.stored);
        PickerSettings settings;
        settings.displayMode = static_cast<DisplayMode>(row.stored);
        openWindow(settings);
        EXPECT_EQ(item("ColorWheel1")->isChecked(), row.wheel);
        EXPECT_EQ(item("HueRange1")->isChecked(), row.square);
        EXPECT_EQ(item("HSVRectangle1")->isChecked(), row.rectangle);
        EXPECT_EQ(picture()->image(), expectedPicture());
    }
}

// Which changes rebuild the picture: the wheel follows the value slider only,
// the square the hue slider only, the rectangle is rebuilt on every change.
TEST_F(HsvPicturePanelTest, RebuildsOnlyWhenThePicturesParameterChanged)
{
    struct Row {
        const char *name;
        const char *mode;
        const char *slider;
        bool rebuilt;
    };
    const Row rows[] = {
        {"wheel, hue slider", "ColorWheel1", "scrollbarHue", false},
        {"wheel, saturation slider", "ColorWheel1", "scrollbarSaturation", false},
        {"wheel, value slider", "ColorWheel1", "scrollbarValue", true},
        {"wheel, blue slider", "ColorWheel1", "scrollbarBlue", true},
        {"wheel, red slider", "ColorWheel1", "scrollbarred", false},
        {"square, hue slider", "HueRange1", "scrollbarHue", true},
        {"square, saturation slider", "HueRange1", "scrollbarSaturation", false},
        {"square, value slider", "HueRange1", "scrollbarValue", false},
        {"rectangle, hue slider", "HSVRectangle1", "scrollbarHue", true},
        {"rectangle, value slider", "HSVRectangle1", "scrollbarValue", true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        item(row.mode)->trigger();
        setColor(Start);
        const qint64 before = pictureKey();
        stepSlider(slider(row.slider));
        EXPECT_NE(color(), Start);
        EXPECT_EQ(pictureKey() != before, row.rebuilt);
        EXPECT_EQ(picture()->image() == expectedPicture(), true)
            << "the picture shown is the one for the sliders where it depends on them";
    }
}

TEST_F(HsvPicturePanelTest, SquareFollowsTheHueOfAGreyColour)
{
    item("HueRange1")->trigger();
    const TColor grey = ComposeColor(90, 90, 90);
    setColor(grey);
    const int hueBefore = pictureArea().builtHue();
    stepSlider(slider("scrollbarHue"));
    EXPECT_EQ(color(), grey) << "a grey colour has no hue to change";
    EXPECT_EQ(pictureArea().builtHue(), hueBefore + 1);
    EXPECT_EQ(picture()->image(), expectedPicture());
}

// Undo can bring back the colour the pipeline last started from; the wheel
// must still show that colour's value.
TEST_F(HsvPicturePanelTest, WheelFollowsTheValueThroughUndo)
{
    setColor(Start);
    stepSlider(slider("scrollbarValue"));
    ASSERT_EQ(pictureArea().builtValue(), 151);
    undo();
    EXPECT_EQ(color(), Start);
    EXPECT_EQ(pictureArea().builtValue(), 150);
    EXPECT_EQ(picture()->image(), expectedPicture());
}

} // namespace
} // namespace pigmentrix
