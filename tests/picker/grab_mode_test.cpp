#include "grab_test_fixture.h"

#include "model/color_codes.h"
#include "picker/color_code_box.h"
#include "picker/history_actions.h"
#include "picker/palette_slot_panel.h"
#include "sampling/eyedropper_cursor.h"
#include "sampling/grab_button.h"
#include "sampling/grab_controller.h"
#include "sampling/magnifier_picture.h"
#include "ui/image_view.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
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

class GrabModeTest : public GrabWindowTest {
protected:
    QTimer *timer() const { return control<QTimer>("Timer1"); }
    GrabButton *grabButton() const { return control<GrabButton>("btnGrab"); }
    const ColorHistory &history() const { return area<HistoryActions>().history(); }
};

TEST_F(GrabModeTest, LeftPressStartsTheTimerAndAnyReleaseEndsIt)
{
    pressGrab();
    EXPECT_TRUE(timer()->isActive());
    EXPECT_EQ(timer()->interval(), 100);
    EXPECT_TRUE(grab().grabActive());
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BitmapCursor) << "the eyedropper";
    EXPECT_EQ(QGuiApplication::overrideCursor()->hotSpot(), EyedropperHotSpot) << "at its tip";
    EXPECT_FALSE(QGuiApplication::overrideCursor()->pixmap().isNull());
    EXPECT_FALSE(control<PaletteSlotPanel>("mempan1")->ShowHint) << "no slot hint pops up over the sampled area";
    releaseGrab(Qt::RightButton);
    EXPECT_FALSE(timer()->isActive());
    EXPECT_FALSE(grab().grabActive());
    EXPECT_TRUE(control<PaletteSlotPanel>("mempan16")->ShowHint);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(pipeline().changesEnabled());
}

// The platform keeps a server cursor for every cursor picture it is given,
// for the life of the program: every grab must show the same picture.
TEST_F(GrabModeTest, EveryGrabShowsTheOneEyedropperPicture)
{
    pressGrab();
    const qint64 first = QGuiApplication::overrideCursor()->pixmap().cacheKey();
    releaseGrab();
    for (int grabs = 0; grabs < 3; ++grabs) {
        pressGrab();
        EXPECT_EQ(QGuiApplication::overrideCursor()->pixmap().cacheKey(), first);
        releaseGrab();
    }
}

// Hundreds of grabs in a row, as a long working session has them; the
// sanitizer build's leak checker looks at everything they leave behind.
TEST_F(GrabModeTest, ALongRunOfGrabsLeavesTheWindowAsOneGrabDoes)
{
    for (int grabs = 0; grabs < 300; ++grabs) {
        pressGrab();
        tickAt({grabs % 600, grabs % 390});
        tickAt({grabs % 600 + 1, grabs % 390 + 1});
        releaseGrab();
    }
    EXPECT_EQ(color(), ColorOf(patternAt(299 % 600 + 1, 299 % 390 + 1)));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(pipeline().changesEnabled());
    EXPECT_FALSE(grab().grabActive());
}

TEST_F(GrabModeTest, RightPressStartsNothing)
{
    setColor(ComposeColor(5, 6, 7));
    pressGrab(Qt::RightButton);
    EXPECT_FALSE(timer()->isActive());
    EXPECT_FALSE(history().canUndo());
    tickAt({10, 10});
    EXPECT_EQ(color(), ComposeColor(5, 6, 7)) << "a stray tick outside a grab does nothing";
    releaseGrab(Qt::RightButton);
}

TEST_F(GrabModeTest, TickTakesThePixelUnderThePointerIntoEveryEditor)
{
    pressGrab();
    tickAt({300, 120});
    EXPECT_EQ(color(), ColorOf(patternAt(300, 120)));
    EXPECT_EQ(box("edtRed")->text(), "44");
    EXPECT_EQ(box("edtGreen")->text(), "120");
    EXPECT_EQ(box("edtBlue")->text(), "77");
    EXPECT_EQ(box("edtColor")->text(), area<ColorCodeBox>().getcolorstring(color()));
    EXPECT_TRUE(pipeline().changesEnabled()) << "the tick re-attaches the editors";
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
        {item("Off1"), {100, 100}, ComposeColor(255, 255, 255), 0},
        {item("N3x3Average1"), {100, 100}, ComposeColor(28, 28, 28), 1},
        {item("N5x5Average1"), {100, 200}, ComposeColor(254, 0, 0), 2},
        {item("N3x3Average1"), {102, 200}, ComposeColor(170, 28, 0), 1},
        {item("Off1"), {103, 200}, ComposeColor(0, 255, 0), 0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.item->text().toStdString());
        row.item->trigger();
        EXPECT_EQ(static_cast<int>(grab().average()), row.item->data().toInt());
        EXPECT_EQ(grabButton()->imageIndex(), row.image);
        EXPECT_TRUE(row.item->isChecked());
        for (QAction *other : {item("Off1"), item("N3x3Average1"), item("N5x5Average1")})
            EXPECT_EQ(other->isChecked(), other == row.item);
        grabAt(row.pointer);
        EXPECT_EQ(color(), row.expected);
    }
}

TEST_F(GrabModeTest, CoordinateLabelsCountFromTheChosenOrigin)
{
    screen->pointer = {500, 300};
    item("SetCoordinates1")->trigger();
    grabAt({480, 310});
    EXPECT_EQ(control<QLabel>("lblXPos")->text(), "-20");
    EXPECT_EQ(control<QLabel>("lblYPos")->text(), "10");
    item("ResetCoordinates2")->trigger();
    grabAt({480, 310});
    EXPECT_EQ(control<QLabel>("lblXPos")->text(), "480");
    EXPECT_EQ(control<QLabel>("lblYPos")->text(), "310");
}

TEST_F(GrabModeTest, GrabRecordsTheColourFromBeforeItOnce)
{
    const TColor before = ComposeColor(9, 8, 7);
    setColor(before);
    pressGrab();
    for (int i = 0; i < 5; ++i)
        tickAt({10 + i, 20});
    releaseGrab();
    EXPECT_EQ(history().undoEntries()[0].color, before);
    EXPECT_EQ(history().undoEntries()[1].color, ColorHistory::Empty);
    undo();
    EXPECT_EQ(color(), before);
}

// A release right after the pointer arrived, before the next tick, still
// takes the colour under the pointer.
TEST_F(GrabModeTest, ReleaseTakesTheColourUnderThePointer)
{
    chooseNotation(0);
    item("AutoColorCopyafterGrab1")->trigger();
    pressGrab();
    tickAt({250, 250});
    ASSERT_EQ(color(), ComposeColor(250, 250, 77));
    screen->pointer = QPoint(300, 300);
    releaseGrab();
    EXPECT_EQ(color(), ComposeColor(300 % 256, 300 % 256, 77));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "#2C2C4D");
    EXPECT_EQ(control<QLabel>("lblXPos")->text(), "300");
    EXPECT_EQ(history().undoEntries()[1].color, ColorHistory::Empty) << "still one undo step";
}

TEST_F(GrabModeTest, AutoCopyWithoutANotationLeavesTheClipboard)
{
    ASSERT_EQ(control<QComboBox>("cbxDisplay")->currentIndex(), notation::None);
    item("AutoColorCopyafterGrab1")->trigger();
    QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
    grabAt({255, 1});
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "untouched");
}

TEST_F(GrabModeTest, AutoCopyPutsTheCodeBoxOnTheClipboardAtRelease)
{
    chooseNotation(0);
    QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
    grabAt({16, 32});
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "untouched") << "off by default";

    item("AutoColorCopyafterGrab1")->trigger();
    ASSERT_TRUE(item("AutoColorCopyafterGrab1")->isChecked());
    grabAt({255, 1});
    EXPECT_EQ(box("edtColor")->text(), "#FF014D");
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
    EXPECT_TRUE(control<QLabel>("lblXPos")->text().isEmpty());
    EXPECT_TRUE(control<ImageView>("imgMagnifier")->image().isNull());

    grabAt({12, 10});
    EXPECT_EQ(dialogs.messages.size(), 1) << "said once per run";
    screen->readable = true;
    grabAt({12, 10});
    EXPECT_EQ(color(), ColorOf(patternAt(12, 10)));
}

TEST_F(GrabModeTest, WindowShowTakesAveragingAndCrosshairFromTheTicks)
{
    item("Off1")->setChecked(false);
    item("N3x3Average1")->setChecked(true);
    item("Cross1")->setChecked(false);
    item("Rectangle1")->setChecked(true);
    window->FormShow();
    EXPECT_EQ(grab().average(), Averaging::Mean3x3);
    EXPECT_EQ(grabButton()->imageIndex(), 1);
    EXPECT_EQ(grab().crosshair(), Crosshair::Rectangle);
    item("Rectangle1")->setChecked(false);
    window->FormShow();
    EXPECT_EQ(grab().crosshair(), Crosshair::None);
}

TEST_F(GrabModeTest, ShortcutsChooseAveraging)
{
    QTest::keyClick(window.get(), Qt::Key_5, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(grab().average(), Averaging::Mean5x5);
    QTest::keyClick(window.get(), Qt::Key_1, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(grab().average(), Averaging::Off);
}

} // namespace
} // namespace pigmentrix
