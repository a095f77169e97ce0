#include "window_test_fixture.h"

#include "displays/color_frame_panel.h"
#include "model/color_codes.h"
#include "picker/history_actions.h"

#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace pigmentrix {
namespace {

class HistoryActionsTest : public PickerWindowTest {
protected:
    // A colour change that records an undo entry, as a list choice does.
    void choose(TColor c)
    {
        area<HistoryActions>().setnewcolor();
        pipeline().applyColor(c);
    }
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
    area<HistoryActions>().UndoColorChange1Click();
    EXPECT_EQ(color(), c2);
    area<HistoryActions>().UndoColorChange1Click();
    EXPECT_EQ(color(), c0);
    EXPECT_EQ(box("edtRed")->text(), "1");
}

TEST_F(HistoryActionsTest, UndoAfterASliderMoveRedrawsTheTracks)
{
    const TColor start = ComposeColor(40, 80, 120);
    setColor(start);
    area<HistoryActions>().setnewcolor();
    pressSlider(slider("scrollbarred"), 125);
    ASSERT_NE(color(), start);
    area<HistoryActions>().UndoColorChange1Click();
    EXPECT_EQ(color(), start);
    EXPECT_EQ(slider("scrollbarGreen")->BaseR, 40);
    EXPECT_EQ(slider("scrollbarAlpha")->BaseR, 40);
}

TEST_F(HistoryActionsTest, UndoRestoresOnlyTheTenNewestColours)
{
    setColor(0);
    for (int i = 1; i <= 11; ++i)
        choose(ComposeColor(i, 0, 0));
    for (int i = 0; i < 10; ++i)
        area<HistoryActions>().UndoColorChange1Click();
    EXPECT_EQ(color(), ComposeColor(1, 0, 0));
    area<HistoryActions>().UndoColorChange1Click();
    EXPECT_EQ(color(), ComposeColor(1, 0, 0));
}

TEST_F(HistoryActionsTest, InvertTwiceReturnsAndRecordsTwice)
{
    setColor(ComposeColor(65, 105, 225));
    QTest::mouseClick(control<QPushButton>("btnInvert"), Qt::LeftButton);
    EXPECT_EQ(color(), ComposeColor(190, 150, 30));
    QTest::mouseClick(control<QPushButton>("btnInvert"), Qt::LeftButton);
    EXPECT_EQ(color(), ComposeColor(65, 105, 225));
    EXPECT_EQ(area<HistoryActions>().history().undoEntries()[0], ComposeColor(190, 150, 30));
    EXPECT_EQ(area<HistoryActions>().history().undoEntries()[1], ComposeColor(65, 105, 225));
    EXPECT_EQ(area<HistoryActions>().history().undoEntries()[2], ColorHistory::Empty);
}

TEST_F(HistoryActionsTest, RandomNeverDraws255)
{
    for (int i = 0; i < 300; ++i) {
        area<HistoryActions>().btnRandomClick();
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
    EXPECT_EQ(area<HistoryActions>().history().undoEntries()[0], ComposeColor(9, 9, 9));
}

} // namespace
} // namespace pigmentrix
