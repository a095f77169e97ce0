#include "fake_portal.h"
#include "grab_test_fixture.h"

#include "sampling/desktop_portal.h"
#include "sampling/frozen_grab.h"
#include "sampling/frozen_overlay.h"
#include "sampling/grab_controller.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QImage>
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
        grab().usePortal(std::move(client));
        setColor(ComposeColor(5, 6, 7));
    }

    // The portal's next picture: the test pattern over the whole screen, at
    // twice its logical size, as a compositor at scale 2 draws it.
    void preparePicture()
    {
        const QSize size = QGuiApplication::primaryScreen()->geometry().size() * 2;
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
        QApplication::sendEvent(stillScreen(), &press);
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
    EXPECT_EQ(color(), ComposeColor(61, 81, 77)) << "the picture's own pixel under the pointer";
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(PortalGrabTest, FreezeScreenWhilePickingIsNotOfferedWhereEveryGrabIsStill)
{
    EXPECT_FALSE(item("FreezeScreenWhilePicking1")->isEnabled());
}

TEST_F(PortalGrabTest, WithoutScreenshotsTheDesktopsPickerTakesTheColourAndThatIsSaidOnce)
{
    portal.pickedColor = {1.0, 0.5, 0.0};
    struct Row {
        const char *name;
        std::optional<uint> screenshotResponse;
    };
    const Row rows[] = {{"refused", 2u}, {"cancelled", 1u}};
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        portal.screenshotResponse = row.screenshotResponse;
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
                          "taken."});
    EXPECT_TRUE(pipeline().changesEnabled());
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
