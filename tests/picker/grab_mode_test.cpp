#include "picker/palette_slot_panel.h"
#include "grab_test_fixture.h"

#include "displays/image_view.h"
#include "model/color_codes.h"
#include "sampling/grab_button.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

namespace pigmentrix {
namespace {

TColor ColorOf(QRgb p)
{
    return ComposeColor(qRed(p), qGreen(p), qBlue(p));
}

using GrabModeTest = GrabWindowTest;

TEST_F(GrabModeTest, LeftPressStartsTheTimerAndAnyReleaseEndsIt)
{
    pressGrab();
    EXPECT_TRUE(window->Timer1->isActive());
    EXPECT_EQ(window->Timer1->interval(), 100);
    EXPECT_TRUE(window->grabActive);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::CrossCursor);
    EXPECT_FALSE(window->mempan[0]->ShowHint) << "no slot hint pops up over the sampled area";
    releaseGrab(Qt::RightButton);
    EXPECT_FALSE(window->Timer1->isActive());
    EXPECT_FALSE(window->grabActive);
    EXPECT_TRUE(window->mempan[15]->ShowHint);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(window->changesEnabled());
}

TEST_F(GrabModeTest, RightPressStartsNothing)
{
    setColor(ComposeColor(5, 6, 7));
    pressGrab(Qt::RightButton);
    EXPECT_FALSE(window->Timer1->isActive());
    EXPECT_FALSE(window->history.canUndo());
    tickAt({10, 10});
    EXPECT_EQ(color(), ComposeColor(5, 6, 7)) << "a stray tick outside a grab does nothing";
    releaseGrab(Qt::RightButton);
}

TEST_F(GrabModeTest, TickTakesThePixelUnderThePointerIntoEveryEditor)
{
    pressGrab();
    tickAt({300, 120});
    EXPECT_EQ(color(), ColorOf(patternAt(300, 120)));
    EXPECT_EQ(window->edtRed->text(), "44");
    EXPECT_EQ(window->edtGreen->text(), "120");
    EXPECT_EQ(window->edtBlue->text(), "77");
    EXPECT_EQ(window->edtColor->text(), window->getcolorstring(color()));
    EXPECT_TRUE(window->changesEnabled()) << "the tick re-attaches the editors";
    tickAt({3, 4});
    EXPECT_EQ(color(), ColorOf(patternAt(3, 4)));
    releaseGrab();
}

TEST_F(GrabModeTest, AveragingMenuChoosesPixelThreeByThreeOrFiveByFive)
{
    QImage painted = desktop;
    painted.fill(qRgb(0, 0, 0));
    painted.setPixel(100, 100, qRgb(255, 255, 255));
    for (int y = 198; y <= 202; ++y)
        for (int x = 98; x <= 102; ++x)
            painted.setPixel(x, y, qRgb(255, 0, 0));
    painted.setPixel(102, 202, qRgb(254, 0, 0));
    painted.setPixel(103, 200, qRgb(0, 255, 0));
    useDesktop(painted);

    struct Row {
        QAction *item;
        QPoint pointer;
        TColor expected;
        int image;
    };
    const std::vector<Row> rows = {
        {window->Off1, {100, 100}, ComposeColor(255, 255, 255), 0},
        {window->N3x3Average1, {100, 100}, ComposeColor(28, 28, 28), 1},
        {window->N5x5Average1, {100, 200}, ComposeColor(254, 0, 0), 2},
        {window->N3x3Average1, {102, 200}, ComposeColor(170, 28, 0), 1},
        {window->Off1, {103, 200}, ComposeColor(0, 255, 0), 0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.item->text().toStdString());
        row.item->trigger();
        EXPECT_EQ(window->average, row.item->data().toInt());
        EXPECT_EQ(window->btnGrab->imageIndex(), row.image);
        EXPECT_TRUE(row.item->isChecked());
        for (QAction *other : {window->Off1, window->N3x3Average1, window->N5x5Average1})
            EXPECT_EQ(other->isChecked(), other == row.item);
        grabAt(row.pointer);
        EXPECT_EQ(color(), row.expected);
    }
}

TEST_F(GrabModeTest, CoordinateLabelsCountFromTheChosenOrigin)
{
    screen->pointer = {500, 300};
    window->SetCoordinates1->trigger();
    grabAt({480, 310});
    EXPECT_EQ(window->lblXPos->text(), "-20");
    EXPECT_EQ(window->lblYPos->text(), "10");
    window->ResetCoordinates2->trigger();
    grabAt({480, 310});
    EXPECT_EQ(window->lblXPos->text(), "480");
    EXPECT_EQ(window->lblYPos->text(), "310");
}

TEST_F(GrabModeTest, GrabRecordsTheColourFromBeforeItOnce)
{
    const TColor before = ComposeColor(9, 8, 7);
    setColor(before);
    pressGrab();
    for (int i = 0; i < 5; ++i)
        tickAt({10 + i, 20});
    releaseGrab();
    EXPECT_EQ(window->history.undoEntries()[0], before);
    EXPECT_EQ(window->history.undoEntries()[1], ColorHistory::Empty);
    window->UndoColorChange1Click();
    EXPECT_EQ(color(), before);
}

TEST_F(GrabModeTest, AutoCopyPutsTheCodeBoxOnTheClipboardAtRelease)
{
    window->HTMLHex1Click(0);
    QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
    grabAt({16, 32});
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "untouched") << "off by default";

    window->AutoColorCopyafterGrab1->trigger();
    ASSERT_TRUE(window->AutoColorCopyafterGrab1->isChecked());
    grabAt({255, 1});
    EXPECT_EQ(window->edtColor->text(), "#FF014D");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "#FF014D");
}

TEST_F(GrabModeTest, UnreadableScreenKeepsTheColourAndSaysSoOnce)
{
    const TColor before = ComposeColor(1, 2, 3);
    setColor(before);
    screen->readable = false;
    pressGrab();
    tickAt({10, 10});
    tickAt({11, 10});
    EXPECT_EQ(color(), before);
    EXPECT_TRUE(dialogs.messages.isEmpty()) << "no message box while the button is held";
    releaseGrab();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith("Screen colors cannot be read in this session"));
    EXPECT_TRUE(window->lblXPos->text().isEmpty());
    EXPECT_TRUE(window->imgMagnifier->image().isNull());

    grabAt({12, 10});
    EXPECT_EQ(dialogs.messages.size(), 1) << "said once per run";
    screen->readable = true;
    grabAt({12, 10});
    EXPECT_EQ(color(), ColorOf(patternAt(12, 10)));
}

TEST_F(GrabModeTest, WindowShowTakesAveragingAndCrosshairFromTheTicks)
{
    window->Off1->setChecked(false);
    window->N3x3Average1->setChecked(true);
    window->Cross1->setChecked(false);
    window->Rectangle1->setChecked(true);
    window->FormShow();
    EXPECT_EQ(window->average, 1);
    EXPECT_EQ(window->btnGrab->imageIndex(), 1);
    EXPECT_EQ(window->crosshair, 2);
    window->Rectangle1->setChecked(false);
    window->FormShow();
    EXPECT_EQ(window->crosshair, 0);
}

TEST_F(GrabModeTest, ShortcutsChooseAveraging)
{
    QTest::keyClick(window.get(), Qt::Key_5, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(window->average, 2);
    QTest::keyClick(window.get(), Qt::Key_1, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(window->average, 0);
}

} // namespace
} // namespace pigmentrix
