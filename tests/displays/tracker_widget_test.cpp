#include "displays/tracker.h"
#include "ui/focus_mark.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace pigmentrix {
namespace {

// A 136x21 red slider set up as the window sets up its channel sliders.
class ProgramTracker : public testing::Test {
protected:
    ProgramTracker()
    {
        tracker.setMaximum(255);
        tracker.setThumbWidth(10);
        tracker.setTrackHeight(8);
        tracker.setThumbColor(0x00808080);
        tracker.resize(136, 21);
        tracker.show();
    }

    void press(int x, int y = 10, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(&tracker, button, Qt::NoModifier, QPoint(x, y));
    }
    void release(int x, int y = 10) { QTest::mouseRelease(&tracker, Qt::LeftButton, {}, {x, y}); }
    void dragTo(int x, int y = 10)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(x, y), tracker.mapToGlobal(QPointF(x, y)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&tracker, &move);
    }
    std::vector<int> emitted() const
    {
        std::vector<int> values;
        for (const QList<QVariant> &args : spy)
            values.push_back(args.at(0).toInt());
        return values;
    }

    TJvTracker tracker;
    QSignalSpy spy{&tracker, &TJvTracker::changedValue};
};

TEST(Tracker, DefaultsAreTheComponentsOwn)
{
    TJvTracker t;
    EXPECT_EQ(t.Minimum(), 0);
    EXPECT_EQ(t.Maximum(), 100);
    EXPECT_EQ(t.Value(), 0);
    EXPECT_EQ(t.Step(), 1);
    EXPECT_EQ(t.BackColor(), TJvTracker::DefaultBackColor);
    EXPECT_TRUE(t.TrackBorder());
    EXPECT_EQ(t.ThumbColor(), 0x00C0C0C0);
    EXPECT_EQ(t.ThumbWidth(), 20);
    EXPECT_EQ(t.ThumbHeight(), 16);
    EXPECT_EQ(t.TrackHeight(), 6);
    EXPECT_EQ(t.Channel(), rcRed);
    EXPECT_EQ(t.size(), QSize(150, 24));
    EXPECT_EQ(t.sizeHint(), QSize(136, 21));
    EXPECT_NE(t.focusPolicy() & Qt::ClickFocus, 0);
}

TEST_F(ProgramTracker, PressOnTrackJumpsThumbAndReportsValue)
{
    struct Row {
        int x;
        int value;
    };
    for (const Row row : {Row{10, 0}, Row{68, 128}, Row{125, 253}, Row{40, 66}}) {
        SCOPED_TRACE(testing::Message() << "x " << row.x);
        spy.clear();
        press(row.x);
        release(row.x);
        EXPECT_EQ(tracker.Value(), row.value);
        EXPECT_EQ(tracker.ThumbPosition(), row.x);
        EXPECT_EQ(emitted(), std::vector<int>{row.value});
    }
}

TEST_F(ProgramTracker, PressOnThumbOutsideTheTrackStillCounts)
{
    // The thumb at value 0 spans x = 5 ... 14, left of the track's start.
    press(6);
    EXPECT_EQ(tracker.ThumbPosition(), 6);
    EXPECT_EQ(tracker.Value(), 0);
    EXPECT_EQ(emitted(), std::vector<int>{0});
}

TEST_F(ProgramTracker, PressOutsideThumbAndTrackChangesNothing)
{
    tracker.setValue(100);
    for (const QPoint p : {QPoint(3, 10), QPoint(130, 10), QPoint(100, 0), QPoint(100, 20)}) {
        SCOPED_TRACE(testing::Message() << p.x() << ", " << p.y());
        press(p.x(), p.y());
        dragTo(50);
        release(50);
    }
    EXPECT_EQ(tracker.Value(), 100);
    EXPECT_TRUE(spy.isEmpty());
}

TEST_F(ProgramTracker, OtherButtonsTakeFocusButDoNotMoveTheThumb)
{
    QApplication::setActiveWindow(&tracker);
    press(68, 10, Qt::RightButton);
    EXPECT_TRUE(tracker.hasFocus());
    EXPECT_EQ(tracker.Value(), 0);
    EXPECT_TRUE(spy.isEmpty());
}

TEST_F(ProgramTracker, DragBeyondTheEndStopsAtMaximumAndReportsEveryMove)
{
    press(68);
    dragTo(200);
    dragTo(300);
    EXPECT_EQ(tracker.ThumbPosition(), 126);
    EXPECT_EQ(tracker.Value(), 255);
    EXPECT_EQ(emitted(), (std::vector<int>{128, 255, 255}));
}

TEST_F(ProgramTracker, DragFollowsThePointerAndClampsAtTheStart)
{
    press(68);
    dragTo(125);
    dragTo(-50);
    EXPECT_EQ(tracker.ThumbPosition(), 10);
    EXPECT_EQ(emitted(), (std::vector<int>{128, 253, 0}));
}

TEST_F(ProgramTracker, ReleaseEndsTheDrag)
{
    press(68);
    release(68);
    dragTo(100);
    EXPECT_EQ(tracker.Value(), 128);
    EXPECT_EQ(emitted(), std::vector<int>{128});
}

TEST_F(ProgramTracker, ValueWritesOutsideTheRangeAreIgnored)
{
    tracker.setValue(40);
    for (const int v : {300, -1, 256, 40}) {
        SCOPED_TRACE(v);
        tracker.setValue(v);
        EXPECT_EQ(tracker.Value(), 40);
        EXPECT_EQ(tracker.ThumbPosition(), 28);
    }
    EXPECT_TRUE(spy.isEmpty());
}

TEST_F(ProgramTracker, ValueWritesMoveTheThumbWithoutReporting)
{
    struct Row {
        int value;
        int thumb;
    };
    for (const Row row : {Row{255, 126}, Row{128, 68}, Row{0, 10}, Row{1, 10}, Row{2, 11}}) {
        SCOPED_TRACE(row.value);
        tracker.setValue(row.value);
        EXPECT_EQ(tracker.Value(), row.value);
        EXPECT_EQ(tracker.Position(), row.value);
        EXPECT_EQ(tracker.ThumbPosition(), row.thumb);
    }
    EXPECT_TRUE(spy.isEmpty());
}

TEST_F(ProgramTracker, StepSnapsWrittenAndDraggedValuesDown)
{
    tracker.setStep(10);
    tracker.setValue(57);
    EXPECT_EQ(tracker.Value(), 50);
    press(68);
    EXPECT_EQ(tracker.Value(), 120);
    tracker.setStep(0);
    tracker.setStep(-5);
    EXPECT_EQ(tracker.Step(), 10);
}

TEST_F(ProgramTracker, RangeWritesPullTheValueIn)
{
    tracker.setValue(200);
    tracker.setMaximum(100);
    EXPECT_EQ(tracker.Value(), 100);
    EXPECT_EQ(tracker.ThumbPosition(), 126);
    tracker.setMinimum(100); // not below Maximum: ignored
    tracker.setMaximum(0); // not above Minimum: ignored
    EXPECT_EQ(tracker.Minimum(), 0);
    EXPECT_EQ(tracker.Maximum(), 100);
    tracker.setValue(10);
    tracker.setMinimum(50);
    EXPECT_EQ(tracker.Value(), 50);
    EXPECT_EQ(tracker.ThumbPosition(), 10);
    EXPECT_TRUE(spy.isEmpty());
}

// Arrows step one, pages 16, Home and End go to the ends; each reports
// its value, also where it cannot move.
TEST_F(ProgramTracker, StepKeysGoAsFarAsTheRangeAllowsAndReport)
{
    struct Row {
        int start;
        Qt::Key key;
        int value;
    };
    const std::vector<Row> rows = {
        {255, Qt::Key_Right, 255}, {255, Qt::Key_Up, 255},     {0, Qt::Key_Left, 0},       {0, Qt::Key_Down, 0},
        {10, Qt::Key_Left, 9},     {10, Qt::Key_Down, 9},      {10, Qt::Key_Right, 11},    {10, Qt::Key_Up, 11},
        {10, Qt::Key_PageUp, 26},  {26, Qt::Key_PageDown, 10}, {250, Qt::Key_PageUp, 255}, {255, Qt::Key_PageUp, 255},
        {5, Qt::Key_PageDown, 0},  {0, Qt::Key_PageDown, 0},   {128, Qt::Key_Home, 0},     {128, Qt::Key_End, 255},
        {255, Qt::Key_End, 255},   {0, Qt::Key_Home, 0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << row.start << " key " << row.key);
        tracker.setValue(row.start);
        spy.clear();
        QTest::keyClick(&tracker, row.key);
        EXPECT_EQ(tracker.Value(), row.value);
        EXPECT_EQ(emitted(), std::vector<int>{row.value});
    }
}

TEST_F(ProgramTracker, ReadsAsASliderWithItsValueAndRange)
{
    tracker.setAccessibleName(QStringLiteral("Red slider"));
    tracker.setValue(65);
    QAccessibleInterface *slider = QAccessible::queryAccessibleInterface(&tracker);
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->role(), QAccessible::Slider);
    EXPECT_EQ(slider->text(QAccessible::Name), "Red slider");
    EXPECT_EQ(slider->text(QAccessible::Value), "65");
    QAccessibleValueInterface *value = slider->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->currentValue().toInt(), 65);
    EXPECT_EQ(value->minimumValue().toInt(), 0);
    EXPECT_EQ(value->maximumValue().toInt(), 255);
    EXPECT_EQ(value->minimumStepSize().toInt(), 1);
}

TEST_F(ProgramTracker, AValueSetByAssistiveTechnologyCountsAsTheUsers)
{
    QAccessibleValueInterface *value = QAccessible::queryAccessibleInterface(&tracker)->valueInterface();
    ASSERT_NE(value, nullptr);
    value->setCurrentValue(200);
    EXPECT_EQ(tracker.Value(), 200);
    EXPECT_EQ(emitted(), std::vector<int>{200});
    spy.clear();
    value->setCurrentValue(300);
    EXPECT_EQ(tracker.Value(), 200) << "out of range, as a write of Value";
    EXPECT_EQ(emitted(), std::vector<int>{200});
}

TEST_F(ProgramTracker, OtherKeysAreLeftAlone)
{
    tracker.setValue(10);
    QTest::keyClick(&tracker, Qt::Key_A);
    QTest::keyClick(&tracker, Qt::Key_Insert);
    EXPECT_EQ(tracker.Value(), 10);
    EXPECT_TRUE(spy.isEmpty());
}

TEST_F(ProgramTracker, ShowsItsPicture)
{
    tracker.setChannel(rcHue);
    tracker.setMaximum(360);
    tracker.setBaseHSV(0, 255, 255);
    tracker.setValue(180);
    tracker.setBackColor(0x00302010);
    const QImage shown = tracker.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage expected = PaintTracker(tracker.look());
    ASSERT_EQ(shown.size(), expected.size());
    EXPECT_TRUE(shown == expected);
    EXPECT_EQ(tracker.look().thumbPosition, 68);
    EXPECT_EQ(tracker.look().base.S, 255);
}

TEST_F(ProgramTracker, ResizeKeepsTheThumbOnTheValue)
{
    tracker.setValue(255);
    tracker.resize(150, 21);
    EXPECT_EQ(tracker.ThumbPosition(), 140);
}

TEST_F(ProgramTracker, TheFocusedSliderShowsAFocusMarkOnItsEdge)
{
    const QImage unfocused = tracker.grab().toImage();
    tracker.setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([this] { return tracker.hasFocus(); }));
    const QImage focused = tracker.grab().toImage();
    EXPECT_NE(focused, unfocused);
    EXPECT_EQ(focused.pixelColor(0, 0), FocusMark::outerColor()) << "the mark's corner, solid, in the design's colour";
    EXPECT_EQ(focused.pixelColor(focused.width() / 2, 0), FocusMark::outerColor()) << "not dotted";
    EXPECT_EQ(focused.copy(1, 1, focused.width() - 2, focused.height() - 2),
              unfocused.copy(1, 1, unfocused.width() - 2, unfocused.height() - 2))
        << "inside the edge the slider looks the same";
}

} // namespace
} // namespace pigmentrix
