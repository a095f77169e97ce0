#include "window_test_fixture.h"

#include "model/color_codes.h"
#include "picker/color_frame_panel.h"

#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace pigmentrix {
namespace {

using HistoryActionsTest = PickerWindowTest;

// A colour change that records an undo entry, as a list choice does.
void Choose(TfrmColorPick &w, TColor c)
{
    w.setnewcolor();
    w.applyColor(c);
}

TEST_F(HistoryActionsTest, UndoAndRedoWorkTogether)
{
    const TColor c0 = ComposeColor(1, 1, 1);
    const TColor c1 = ComposeColor(2, 2, 2);
    const TColor c2 = ComposeColor(3, 3, 3);
    setColor(c0);
    EXPECT_FALSE(window->btnUndo->isEnabled());
    Choose(*window, c1);
    EXPECT_TRUE(window->btnUndo->isEnabled());
    QTest::mouseClick(window->btnUndo, Qt::LeftButton);
    EXPECT_EQ(color(), c0);
    EXPECT_FALSE(window->btnUndo->isEnabled());
    EXPECT_TRUE(window->btnRedo->isEnabled());
    Choose(*window, c2);
    EXPECT_TRUE(window->btnRedo->isEnabled()) << "a new change keeps the redo entries";
    QTest::mouseClick(window->btnRedo, Qt::LeftButton);
    EXPECT_EQ(color(), c1);
    EXPECT_FALSE(window->btnRedo->isEnabled());
    window->UndoColorChange1Click();
    EXPECT_EQ(color(), c2);
    window->UndoColorChange1Click();
    EXPECT_EQ(color(), c0);
    EXPECT_EQ(window->edtRed->text(), "1");
}

TEST_F(HistoryActionsTest, UndoAfterASliderMoveRedrawsTheTracks)
{
    const TColor start = ComposeColor(40, 80, 120);
    setColor(start);
    window->setnewcolor();
    pressSlider(window->scrollbarred, 125);
    ASSERT_NE(color(), start);
    window->UndoColorChange1Click();
    EXPECT_EQ(color(), start);
    EXPECT_EQ(window->scrollbarGreen->BaseR, 40);
    EXPECT_EQ(window->scrollbarAlpha->BaseR, 40);
}

TEST_F(HistoryActionsTest, UndoRestoresOnlyTheTenNewestColours)
{
    setColor(0);
    for (int i = 1; i <= 11; ++i)
        Choose(*window, ComposeColor(i, 0, 0));
    for (int i = 0; i < 10; ++i)
        window->UndoColorChange1Click();
    EXPECT_EQ(color(), ComposeColor(1, 0, 0));
    window->UndoColorChange1Click();
    EXPECT_EQ(color(), ComposeColor(1, 0, 0));
}

TEST_F(HistoryActionsTest, InvertTwiceReturnsAndRecordsTwice)
{
    setColor(ComposeColor(65, 105, 225));
    QTest::mouseClick(window->btnInvert, Qt::LeftButton);
    EXPECT_EQ(color(), ComposeColor(190, 150, 30));
    QTest::mouseClick(window->btnInvert, Qt::LeftButton);
    EXPECT_EQ(color(), ComposeColor(65, 105, 225));
    EXPECT_EQ(window->history.undoEntries()[0], ComposeColor(190, 150, 30));
    EXPECT_EQ(window->history.undoEntries()[1], ComposeColor(65, 105, 225));
    EXPECT_EQ(window->history.undoEntries()[2], ColorHistory::Empty);
}

TEST_F(HistoryActionsTest, RandomNeverDraws255)
{
    for (int i = 0; i < 300; ++i) {
        window->btnRandomClick();
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
    QTest::mouseClick(window->btnDialog, Qt::LeftButton);
    EXPECT_EQ(color(), ComposeColor(9, 9, 9));
    EXPECT_FALSE(window->history.canUndo());

    dialogs.colorAnswer = ComposeColor(10, 20, 30);
    QTest::mouseClick(window->btnDialog, Qt::LeftButton);
    EXPECT_EQ(color(), ComposeColor(10, 20, 30));
    EXPECT_EQ(window->history.undoEntries()[0], ComposeColor(9, 9, 9));
}

} // namespace
} // namespace pigmentrix
