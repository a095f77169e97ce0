#include "grab_test_fixture.h"

#include "model/color_codes.h"
#include "model/conversions.h"
#include "picker/history_actions.h"
#include "sampling/frozen_grab.h"
#include "sampling/frozen_overlay.h"
#include "sampling/grab_controller.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace pigmentrix {
namespace {

TColor PatternColor(int x, int y)
{
    return ComposeColor(x % 256, y % 256, 77);
}

// "Freeze Screen While Picking" on: a press on the grab button shows the
// desktop as it was, and the grab runs on the still picture.
class FrozenGrabTest : public GrabWindowTest {
public:
    void SetUp() override
    {
        GrabWindowTest::SetUp();
        item("FreezeScreenWhilePicking1")->trigger();
        ASSERT_TRUE(item("FreezeScreenWhilePicking1")->isChecked());
    }

    FrozenGrab *frozen() const { return grab().frozenScreens(); }
    FrozenScreenOverlay *stillScreen() const
    {
        return frozen() && !frozen()->overlays().empty() ? frozen()->overlays().front().get() : nullptr;
    }
    // A press and release on the grab button: the still screens stay.
    void beginGrab()
    {
        pressGrab();
        releaseGrab();
        ASSERT_NE(stillScreen(), nullptr);
    }
    void pointAt(QPointF local)
    {
        QMouseEvent move(QEvent::MouseMove, local, stillScreen()->mapToGlobal(local), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(stillScreen()->pointerTarget(), &move);
    }
    void clickAt(QPointF local, Qt::MouseButton button = Qt::LeftButton)
    {
        QMouseEvent press(QEvent::MouseButtonPress, local, stillScreen()->mapToGlobal(local), button, button,
                          Qt::NoModifier);
        QApplication::sendEvent(stillScreen()->pointerTarget(), &press);
    }
    void key(Qt::Key which, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(stillScreen(), which, modifiers);
    }
    // The still screens go once the event that ended the grab is over.
    void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

TEST_F(FrozenGrabTest, APressShowsTheStillDesktopAndTheReleaseKeepsTheGrab)
{
    beginGrab();
    EXPECT_TRUE(grab().grabActive());
    EXPECT_TRUE(stillScreen()->isVisible());
    EXPECT_FALSE(control<QTimer>("Timer1")->isActive()) << "the still picture needs no tick";
    EXPECT_EQ(stillScreen()->cursor().shape(), Qt::BitmapCursor) << "the eyedropper";
}

TEST_F(FrozenGrabTest, ThePointerOverTheStillScreenFollowsTheColourAndTheCoordinates)
{
    beginGrab();
    pointAt({300.6, 120.2});
    EXPECT_EQ(color(), PatternColor(300, 120));
    EXPECT_EQ(control<QLabel>("lblXPos")->text(), "300");
    EXPECT_EQ(control<QLabel>("lblYPos")->text(), "120");
    pointAt({3, 4});
    EXPECT_EQ(color(), PatternColor(3, 4));
}

TEST_F(FrozenGrabTest, ALeftClickTakesTheColourEndsTheGrabAndCopies)
{
    chooseNotation(notation::HTMLHex);
    QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
    item("AutoColorCopyafterGrab1")->trigger();
    beginGrab();
    clickAt({50, 60});
    settle();
    EXPECT_EQ(color(), PatternColor(50, 60));
    EXPECT_FALSE(grab().grabActive());
    EXPECT_EQ(frozen(), nullptr);
    EXPECT_TRUE(pipeline().changesEnabled());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromStdString(ColorToHTML(PatternColor(50, 60))));
    EXPECT_TRUE(area<HistoryActions>().history().canUndo()) << "the grab can be undone";
}

// The ended grab goes once its click is over; a window closed before then
// takes it along, so that nothing of it answers the pointer afterwards.
TEST_F(FrozenGrabTest, AGrabEndedJustBeforeTheWindowClosesGoesWithIt)
{
    beginGrab();
    const QPointer<FrozenScreenOverlay> still = stillScreen();
    clickAt({50, 60});
    ASSERT_FALSE(grab().grabActive());
    window.reset();
    EXPECT_TRUE(still.isNull()) << "the still screen outlived the window";
}

TEST_F(FrozenGrabTest, EscapeOrARightClickGivesTheColourFromBeforeBack)
{
    struct Row {
        const char *name;
        std::function<void(FrozenGrabTest &)> giveUp;
    };
    const Row rows[] = {
        {"Escape", [](FrozenGrabTest &test) { test.key(Qt::Key_Escape); }},
        {"right click",
         [](FrozenGrabTest &test) {
             test.clickAt({10, 10}, Qt::RightButton);
         }},
    };
    item("AutoColorCopyafterGrab1")->trigger();
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
        setColor(ComposeColor(5, 6, 7));
        const bool couldUndo = area<HistoryActions>().history().canUndo();
        beginGrab();
        pointAt({300, 120});
        ASSERT_EQ(color(), PatternColor(300, 120));
        row.giveUp(*this);
        settle();
        EXPECT_EQ(color(), ComposeColor(5, 6, 7));
        EXPECT_FALSE(grab().grabActive());
        EXPECT_EQ(frozen(), nullptr);
        EXPECT_EQ(area<HistoryActions>().history().canUndo(), couldUndo) << "nothing to undo from a grab given up";
        EXPECT_EQ(QGuiApplication::clipboard()->text(), "untouched") << "nothing copied";
    }
}

TEST_F(FrozenGrabTest, ArrowKeysMoveThePickingPointAndEnterTakesIt)
{
    beginGrab();
    pointAt({100, 100});
    struct Row {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int x;
        int y;
    };
    const Row rows[] = {
        {Qt::Key_Right, Qt::NoModifier, 101, 100},
        {Qt::Key_Down, Qt::NoModifier, 101, 101},
        {Qt::Key_Left, Qt::ShiftModifier, 91, 101},
        {Qt::Key_Up, Qt::ShiftModifier, 91, 91},
    };
    for (const Row &row : rows) {
        key(row.key, row.modifiers);
        EXPECT_EQ(color(), PatternColor(row.x, row.y)) << row.x << ", " << row.y;
    }
    key(Qt::Key_Return);
    settle();
    EXPECT_FALSE(grab().grabActive());
    EXPECT_EQ(color(), PatternColor(91, 91));
}

TEST_F(FrozenGrabTest, AveragingReadsTheStillPicture)
{
    item("N3x3Average1")->trigger();
    beginGrab();
    pointAt({20, 30});
    // The mean of columns 19-21 and rows 29-31 of the pattern.
    EXPECT_EQ(color(), PatternColor(20, 30));
    clickAt({20, 30});
}

TEST_F(FrozenGrabTest, TheStillScreenShowsThePickerWindowAwayFromThePointer)
{
    beginGrab();
    pointAt({600, 100});
    const QImage shown = stillScreen()->grab().toImage();
    EXPECT_EQ(shown.pixel(16 + 40, 16 + 40), static_cast<QWidget *>(window.get())->grab().toImage().pixel(40, 40))
        << "the picker drawn in the top left corner";
    pointAt({30, 30});
    const QImage moved = stillScreen()->grab().toImage();
    EXPECT_EQ(moved.pixel(30, 30), desktop.pixel(30, 30)) << "and out of the pointer's way";
    key(Qt::Key_Escape);
}

TEST_F(FrozenGrabTest, ADesktopThatCannotBeCapturedFallsBackToTheLiveGrab)
{
    screen->readable = false;
    pressGrab();
    EXPECT_EQ(frozen(), nullptr);
    EXPECT_TRUE(control<QTimer>("Timer1")->isActive());
    releaseGrab();
    EXPECT_FALSE(grab().grabActive());
}

class LiveGrabKeysTest : public GrabWindowTest { };

TEST_F(LiveGrabKeysTest, SmoothTrackingFollowsEveryPointerMoveInsteadOfTheTick)
{
    const auto moveTo = [this](QPoint at) {
        screen->pointer = at;
        QMouseEvent move(QEvent::MouseMove, QPointF(1, 1), QPointF(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(control("btnGrab"), &move);
    };
    pressGrab();
    tickAt({10, 10});
    moveTo({20, 30});
    EXPECT_EQ(color(), PatternColor(10, 10)) << "off: the colour waits for the tick";
    releaseGrab();
    item("SmoothTracking1")->trigger();
    pressGrab();
    moveTo({20, 30});
    EXPECT_EQ(color(), PatternColor(20, 30));
    releaseGrab();
}

TEST_F(LiveGrabKeysTest, ArrowKeysMoveThePointerOnePixelWhileTheButtonIsHeld)
{
    pressGrab();
    tickAt({200, 100});
    QTest::keyClick(window.get(), Qt::Key_Right);
    EXPECT_EQ(screen->pointer, QPoint(201, 100));
    EXPECT_EQ(color(), PatternColor(201, 100)) << "the colour follows at once";
    QTest::keyClick(window.get(), Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(screen->pointer, QPoint(201, 90));
    releaseGrab();
    QTest::keyClick(window.get(), Qt::Key_Left);
    EXPECT_EQ(screen->pointer, QPoint(201, 90)) << "after the grab the keys are the window's again";
}

} // namespace
} // namespace pigmentrix
