#include "fake_portal.h"
#include "grab_test_fixture.h"

#include "sampling/desktop_portal.h"
#include "sampling/frozen_grab.h"
#include "sampling/frozen_overlay.h"
#include "sampling/grab_controller.h"
#include "sampling/grab_sessions.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace pigmentrix {
namespace {

// The eyedropper in a Wayland session: every grab asks the portal (one of
// the test's own) for a still picture of the desktop.
class PortalGrabTest : public GrabWindowTest {
protected:
    void SetUp() override
    {
        GrabWindowTest::SetUp();
        ASSERT_TRUE(bus.running()) << "dbus-daemon could not start";
        ASSERT_TRUE(portal.publish(bus.portalSide()));
        portal.pictureFile = folder.filePath("shot.png");
        auto client = std::make_unique<DesktopPortal>(bus.programSide());
        portalClient = client.get();
        client->setAnswerTimeout(std::chrono::seconds(5));
        grab().useSessions(std::make_unique<PortalGrabSessions>(std::move(client)));
        setColor(ComposeColor(5, 6, 7));
    }

    // The portal's next picture: the test pattern over the whole screen, at
    // `scale` times its logical size.
    void preparePicture(int scale = 1)
    {
        const QSize size = QGuiApplication::primaryScreen()->geometry().size() * scale;
        QImage picture(size, QImage::Format_RGB32);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                picture.setPixel(x, y, patternAt(x, y));
        ASSERT_TRUE(picture.save(portal.pictureFile));
    }
    FrozenScreenOverlay *stillScreen() const
    {
        FrozenGrab *frozen = grab().frozenScreens();
        return frozen && !frozen->overlays().empty() ? frozen->overlays().front().get() : nullptr;
    }
    // Until the grab is over or the still screens show.
    void waitForThePortal()
    {
        for (int i = 0; i < 500 && grab().grabActive() && !stillScreen(); ++i)
            QTest::qWait(20);
    }
    void clickStillScreen(QPointF at)
    {
        QMouseEvent press(QEvent::MouseButtonPress, at, stillScreen()->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(stillScreen()->pointerTarget(), &press);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    PrivateSessionBus bus;
    FakeScreenshotPortal portal;
    DesktopPortal *portalClient = nullptr;
    QTemporaryDir folder;
};

TEST_F(PortalGrabTest, TheGrabRunsOverThePortalsPictureUntilAClick)
{
    preparePicture();
    pressGrab();
    releaseGrab();
    EXPECT_TRUE(grab().grabActive()) << "the release does not end a grab the portal prepares";
    waitForThePortal();
    ASSERT_NE(stillScreen(), nullptr);
    EXPECT_EQ(portal.screenshotCalls, 1);
    EXPECT_FALSE(QFile::exists(portal.pictureFile));
    clickStillScreen({30.5, 40.5});
    EXPECT_FALSE(grab().grabActive());
    EXPECT_EQ(color(), ComposeColor(30, 40, 77)) << "the picture's own pixel under the pointer";
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

// The screen is at scale 1, the compositor's picture at 2, and how it
// enlarged the screen is not known: the colours may be blends, and that is
// said, once.
TEST_F(PortalGrabTest, APictureResampledFromAnotherScaleIsSaidToBeSoOnce)
{
    for (int round = 0; round < 2; ++round) {
        preparePicture(2);
        pressGrab();
        waitForThePortal();
        ASSERT_NE(stillScreen(), nullptr);
        EXPECT_FALSE(stillScreen()->placement().exact);
        clickStillScreen({30.5, 40.5});
        EXPECT_EQ(color(), ComposeColor(61, 81, 77)) << "the middle of the screen pixel's block";
    }
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.first().startsWith("The desktop hands out its picture of the screen at the highest "
                                                    "scale"));
}

TEST_F(PortalGrabTest, FreezeScreenWhilePickingIsNotOfferedWhereEveryGrabIsStill)
{
    EXPECT_FALSE(item("FreezeScreenWhilePicking1")->isEnabled());
}

// The desktop's pictures are sRGB: there is no device value to convert.
TEST_F(PortalGrabTest, ScreenColorsAreNotOfferedAndTheChoiceSaysWhy)
{
    QMenu *choice = item("ScreenColors1")->menu();
    emit choice->aboutToShow();
    for (const char *name : {"NativeScreenColors1", "ConvertedScreenColors1"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(item(name)->isEnabled());
        EXPECT_TRUE(item(name)->toolTip().contains("in sRGB")) << item(name)->toolTip().toStdString();
    }
}

TEST_F(PortalGrabTest, WithoutScreenshotsTheDesktopsPickerTakesTheColourAndThatIsSaidOnce)
{
    portal.screenshotMissing = true;
    portal.pickedColor = {1.0, 0.5, 0.0};
    for (int round = 0; round < 2; ++round) {
        setColor(ComposeColor(5, 6, 7));
        pressGrab();
        waitForThePortal();
        EXPECT_EQ(stillScreen(), nullptr);
        EXPECT_FALSE(grab().grabActive());
        EXPECT_EQ(color(), ComposeColor(255, 128, 0));
    }
    EXPECT_EQ(portal.colorCalls, 2);
    ASSERT_EQ(dialogs.messages.size(), 1) << dialogs.messages.join('\n').toStdString();
    EXPECT_EQ(dialogs.messages.first(),
              "This desktop lets programs take colors from the screen only through its own color picker, so the "
              "magnifier cannot show the area around the pointer.");
}

// KDE answers "cancelled" when it cannot save its picture, GNOME "other"
// when screenshots are not allowed: neither means the desktop has none.
struct RefusedPicture {
    const char *name;
    uint screenshotResponse;
    const char *desktop;
    const char *hint;
};

class RefusedPictureTest : public PortalGrabTest, public testing::WithParamInterface<RefusedPicture> {
protected:
    void SetUp() override
    {
        desktopBefore = qgetenv("XDG_CURRENT_DESKTOP");
        qputenv("XDG_CURRENT_DESKTOP", GetParam().desktop);
        PortalGrabTest::SetUp();
    }
    void TearDown() override
    {
        PortalGrabTest::TearDown();
        qputenv("XDG_CURRENT_DESKTOP", desktopBefore);
    }
    QByteArray desktopBefore;
};

TEST_P(RefusedPictureTest, FallsBackToTheDesktopsPickerAndSaysWhatHappenedOnce)
{
    portal.pickedColor = {1.0, 0.5, 0.0};
    portal.screenshotResponse = GetParam().screenshotResponse;
    for (int round = 0; round < 2; ++round) {
        setColor(ComposeColor(5, 6, 7));
        pressGrab();
        waitForThePortal();
        EXPECT_EQ(stillScreen(), nullptr);
        EXPECT_EQ(color(), ComposeColor(255, 128, 0));
    }
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages.first(),
              QStringLiteral("The desktop did not hand over a picture of the screen, so its own color picker took "
                             "the color, and the magnifier cannot show the area around the pointer.")
                  + QLatin1String(GetParam().hint));
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, RefusedPictureTest,
    testing::Values(
        RefusedPicture{"GNOME", 2u, "GNOME", " When GNOME asks whether programs may take screenshots, choose Allow."},
        RefusedPicture{"KDE", 1u, "KDE",
                       " KDE Plasma keeps that picture in your Pictures folder first: make sure the folder exists "
                       "and can be written to."},
        RefusedPicture{"Elsewhere", 2u, "sway", ""}),
    [](const testing::TestParamInfo<RefusedPicture> &info) { return std::string(info.param.name); });

TEST_F(PortalGrabTest, APortalThatNeverAnswersLeavesTheColourAndSaysSo)
{
    portal.screenshotResponse = std::nullopt;
    portalClient->setAnswerTimeout(std::chrono::milliseconds(300));
    pressGrab();
    waitForThePortal();
    EXPECT_FALSE(grab().grabActive());
    EXPECT_EQ(stillScreen(), nullptr) << "no freeze";
    EXPECT_EQ(color(), ComposeColor(5, 6, 7));
    EXPECT_EQ(dialogs.messages,
              QStringList{"The desktop did not answer the request for a picture of the screen, so no color was "
                          "taken. If it asked whether programs may take screenshots, choose Allow, then use the "
                          "eyedropper again."});
    EXPECT_TRUE(pipeline().changesEnabled());
}

// While the desktop prepares its picture (GNOME waits for the user's
// answer to its question), the grab never hangs: Escape or another press
// on the grab button gives it up, and a late picture is not shown.
TEST_F(PortalGrabTest, AGrabWaitingForThePictureCanBeGivenUp)
{
    portal.screenshotResponse = std::nullopt;
    for (const bool byEscape : {true, false}) {
        SCOPED_TRACE(byEscape ? "Escape" : "the grab button again");
        pressGrab();
        releaseGrab();
        ASSERT_TRUE(grab().grabActive());
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BlankCursor)
            << "no pointer for the desktop to draw into its picture";
        if (byEscape)
            QTest::keyClick(window.get(), Qt::Key_Escape);
        else
            pressGrab();
        EXPECT_FALSE(grab().grabActive());
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(color(), ComposeColor(5, 6, 7));
        EXPECT_TRUE(dialogs.messages.isEmpty());
        EXPECT_TRUE(pipeline().changesEnabled());
    }
}

TEST_F(PortalGrabTest, WhereNeitherCallWorksTheScreenIsSaidToBeUnreadable)
{
    portal.screenshotResponse = 2u;
    portal.colorResponse = 2u;
    pressGrab();
    waitForThePortal();
    EXPECT_FALSE(grab().grabActive());
    EXPECT_EQ(color(), ComposeColor(5, 6, 7));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.first().startsWith("Screen colors cannot be read in this session"));
}

} // namespace
} // namespace pigmentrix
