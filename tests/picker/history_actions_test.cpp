#include "window_test_fixture.h"

#include "displays/color_frame_panel.h"
#include "model/color_codes.h"
#include "picker/channel_editors.h"
#include "picker/color_code_box.h"
#include "picker/history_actions.h"

#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <functional>

namespace pigmentrix {
namespace {

class HistoryActionsTest : public PickerWindowTest {
protected:
    // A colour change that records an undo entry, as a list choice does.
    void choose(TColor c) { pipeline().changeColor(c); }
};

TEST_F(HistoryActionsTest, UndoAndRedoWorkTogether)
{
    const TColor c0 = ComposeColor(1, 1, 1);
    const TColor c1 = ComposeColor(2, 2, 2);
    const TColor c2 = ComposeColor(3, 3, 3);
    setColor(c0);
    EXPECT_FALSE(control<QToolButton>("btnUndo")->isEnabled());
    choose(c1);
    EXPECT_TRUE(control<QToolButton>("btnUndo")->isEnabled());
    QTest::mouseClick(control<QToolButton>("btnUndo"), Qt::LeftButton);
    EXPECT_EQ(color(), c0);
    EXPECT_FALSE(control<QToolButton>("btnUndo")->isEnabled());
    EXPECT_TRUE(control<QToolButton>("btnRedo")->isEnabled());
    choose(c2);
    EXPECT_TRUE(control<QToolButton>("btnRedo")->isEnabled()) << "a new change keeps the redo entries";
    QTest::mouseClick(control<QToolButton>("btnRedo"), Qt::LeftButton);
    EXPECT_EQ(color(), c1);
    EXPECT_FALSE(control<QToolButton>("btnRedo")->isEnabled());
    undo();
    EXPECT_EQ(color(), c2);
    undo();
    EXPECT_EQ(color(), c0);
    EXPECT_EQ(box("edtRed")->text(), "1");
}

TEST_F(HistoryActionsTest, UndoAfterASliderMoveRedrawsTheTracks)
{
    const TColor start = ComposeColor(40, 80, 120);
    setColor(start);
    pressSlider(slider("scrollbarred"), 125);
    ASSERT_NE(color(), start);
    undo();
    EXPECT_EQ(color(), start);
    EXPECT_EQ(slider("scrollbarGreen")->BaseR(), 40);
    EXPECT_EQ(slider("scrollbarAlpha")->BaseR(), 40);
}

// Set #111111, Set #505050, a red typed and the box left: undo goes back
// through #505050 to #111111.
TEST_F(HistoryActionsTest, AnEditInABoxIsAnUndoStepOfItsOwn)
{
    chooseNotation(notation::HTMLHex);
    for (const char *code : {"#111111", "#505050"}) {
        box("edtColor")->setText(QString::fromLatin1(code));
        QTest::mouseClick(control<QPushButton>("btnSet"), Qt::LeftButton);
    }
    ASSERT_EQ(color(), ComposeColor(0x50, 0x50, 0x50));
    box("edtRed")->setFocus();
    QTest::keyClick(box("edtRed"), Qt::Key_End);
    QTest::keyClick(box("edtRed"), Qt::Key_9);
    QTest::keyClick(box("edtRed"), Qt::Key_Tab);
    ASSERT_NE(color(), ComposeColor(0x50, 0x50, 0x50));
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(color(), ComposeColor(0x50, 0x50, 0x50));
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(color(), ComposeColor(0x11, 0x11, 0x11));
}

// One burst of edits is one undo step: a box from focus in to focus out, a
// slider from press to release, a run of keys on a focused slider.
TEST_F(HistoryActionsTest, EachEditBurstIsOneUndoStep)
{
    struct Row {
        const char *name;
        std::function<void()> firstBurst;
        std::function<void()> secondBurst;
    };
    const auto keys = [this](const char *name, int times) {
        slider(name)->setFocus();
        for (int i = 0; i < times; ++i)
            QTest::keyClick(slider(name), Qt::Key_Right);
        control("btnCopy")->setFocus();
    };
    const auto drag = [this](const char *name, int from, int to) {
        TJvTracker *target = slider(name);
        const int y = target->height() / 2;
        QTest::mousePress(target, Qt::LeftButton, Qt::NoModifier, QPoint(from, y));
        for (int x = from; x != to; x += from < to ? 5 : -5)
            QTest::mouseMove(target, QPoint(x, y));
        QTest::mouseRelease(target, Qt::LeftButton, Qt::NoModifier, QPoint(to, y));
    };
    const Row rows[] = {
        {"digits typed into one box",
         [this] {
             typeInto(box("edtGreen"), "123");
             leave(box("edtGreen"));
         },
         [this] {
             typeInto(box("edtBlue"), "45");
             leave(box("edtBlue"));
         }},
        {"hue typed, then saturation",
         [this] {
             typeInto(box("edtHue"), "300");
             leave(box("edtHue"));
         },
         [this] {
             typeInto(box("edtSaturation"), "99");
             leave(box("edtSaturation"));
         }},
        {"two drags of one slider", [drag] { drag("scrollbarred", 10, 100); },
         [drag] { drag("scrollbarred", 100, 30); }},
        {"keys on two sliders", [keys] { keys("scrollbarBlue", 4); }, [keys] { keys("scrollbarValue", 3); }},
        {"wheel steps, then keys on the same slider",
         [this] {
             for (int i = 0; i < 3; ++i)
                 area<ChannelEditors>().stepByWheel(slider("scrollbarGreen"), true);
         },
         [keys] { keys("scrollbarGreen", 2); }},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        openWindow();
        const TColor start = ComposeColor(40, 80, 120);
        setColor(start);
        row.firstBurst();
        const TColor afterFirst = color();
        ASSERT_NE(afterFirst, start);
        row.secondBurst();
        ASSERT_NE(color(), afterFirst);
        undo();
        EXPECT_EQ(color(), afterFirst);
        undo();
        EXPECT_EQ(color(), start);
        EXPECT_FALSE(area<HistoryActions>().history().canUndo());
        redo();
        EXPECT_EQ(color(), afterFirst);
    }
}

// The alpha is part of what undo brings back: a layout (which makes the
// colour opaque) and the alpha slider alike.
TEST_F(HistoryActionsTest, UndoBringsTheAlphaBack)
{
    chooseNotation(notation::CSSRGBA);
    box("edtColor")->setText(QStringLiteral("#12345680"));
    QTest::mouseClick(control<QPushButton>("btnSet"), Qt::LeftButton);
    ASSERT_EQ(pipeline().alpha(), 128);
    item("Small1")->trigger();
    EXPECT_EQ(pipeline().alpha(), 255);
    EXPECT_EQ(box("edtColor")->text(), "#123456FF");
    undo();
    EXPECT_EQ(pipeline().alpha(), 128);
    EXPECT_EQ(box("edtColor")->text(), "#12345680");
    EXPECT_EQ(slider("scrollbarAlpha")->Value(), 128);
    EXPECT_EQ(box("edtAlpha")->text(), "128");
    EXPECT_EQ(color(), ComposeColor(0x12, 0x34, 0x56));

    item("Large1")->trigger();
    pressSlider(slider("scrollbarAlpha"), 10);
    ASSERT_LT(pipeline().alpha(), 128);
    undo();
    EXPECT_EQ(pipeline().alpha(), 255) << "the alpha from before the slider's press";
    undo();
    EXPECT_EQ(pipeline().alpha(), 128);
}

TEST_F(HistoryActionsTest, UndoRestoresOnlyTheTenNewestColours)
{
    setColor(0);
    for (int i = 1; i <= 11; ++i)
        choose(ComposeColor(i, 0, 0));
    for (int i = 0; i < 10; ++i)
        undo();
    EXPECT_EQ(color(), ComposeColor(1, 0, 0));
    undo();
    EXPECT_EQ(color(), ComposeColor(1, 0, 0));
}

TEST_F(HistoryActionsTest, InvertTwiceReturnsAndRecordsTwice)
{
    setColor(ComposeColor(65, 105, 225));
    QTest::mouseClick(control<QPushButton>("btnInvert"), Qt::LeftButton);
    EXPECT_EQ(color(), ComposeColor(190, 150, 30));
    QTest::mouseClick(control<QPushButton>("btnInvert"), Qt::LeftButton);
    EXPECT_EQ(color(), ComposeColor(65, 105, 225));
    EXPECT_EQ(area<HistoryActions>().history().undoEntries()[0].color, ComposeColor(190, 150, 30));
    EXPECT_EQ(area<HistoryActions>().history().undoEntries()[1].color, ComposeColor(65, 105, 225));
    EXPECT_EQ(area<HistoryActions>().history().undoEntries()[2].color, ColorHistory::Empty);
}

TEST_F(HistoryActionsTest, RandomNeverDraws255)
{
    for (int i = 0; i < 300; ++i) {
        QTest::mouseClick(control("btnRandom"), Qt::LeftButton);
        const TColor c = color();
        ASSERT_LT(RedOf(c), 255);
        ASSERT_LT(GreenOf(c), 255);
        ASSERT_LT(BlueOf(c), 255);
    }
}

TEST_F(HistoryActionsTest, DialogAppliesAConfirmedColourAndIgnoresCancel)
{
    setColor(ComposeColor(9, 9, 9));
    dialogs.colorAnswer.reset();
    QTest::mouseClick(control<QPushButton>("btnDialog"), Qt::LeftButton);
    EXPECT_EQ(color(), ComposeColor(9, 9, 9));
    EXPECT_FALSE(area<HistoryActions>().history().canUndo());

    dialogs.colorAnswer = ComposeColor(10, 20, 30);
    QTest::mouseClick(control<QPushButton>("btnDialog"), Qt::LeftButton);
    EXPECT_EQ(color(), ComposeColor(10, 20, 30));
    EXPECT_EQ(area<HistoryActions>().history().undoEntries()[0].color, ComposeColor(9, 9, 9));
}

} // namespace
} // namespace pigmentrix
