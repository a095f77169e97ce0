#include "fake_portal.h"
#include "sampling/desktop_portal.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace pigmentrix {
namespace {

class DesktopPortalTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(bus.running()) << "dbus-daemon could not start";
        ASSERT_TRUE(portal.publish(bus.portalSide()));
        // Long enough for a loaded machine; the cases of a portal that
        // never answers shorten it.
        client.setAnswerTimeout(std::chrono::seconds(5));
    }

    // Waits for the one signal that ends a request.
    void waitForTheEnd()
    {
        for (int i = 0; i < 200 && taken.isEmpty() && picked.isEmpty() && refused.isEmpty(); ++i)
            refused.wait(50);
    }

    PrivateSessionBus bus;
    FakeScreenshotPortal portal;
    DesktopPortal client{bus.programSide()};
    QSignalSpy taken{&client, &DesktopPortal::screenshotTaken};
    QSignalSpy picked{&client, &DesktopPortal::colorPicked};
    QSignalSpy refused{&client, &DesktopPortal::refused};
};

TEST_F(DesktopPortalTest, AScreenshotIsReadAndOnlyItsFileRemoved)
{
    QTemporaryDir folder;
    portal.pictureFile = folder.filePath("shot.png");
    QImage picture(4, 2, QImage::Format_RGB32);
    picture.fill(qRgb(10, 20, 30));
    ASSERT_TRUE(picture.save(portal.pictureFile));
    QFile neighbour(folder.filePath("other.png"));
    ASSERT_TRUE(neighbour.open(QIODevice::WriteOnly));
    neighbour.close();

    client.requestScreenshot();
    EXPECT_TRUE(client.busy());
    waitForTheEnd();
    ASSERT_EQ(taken.count(), 1);
    const auto image = taken.takeFirst().at(0).value<QImage>();
    EXPECT_EQ(image.size(), QSize(4, 2));
    EXPECT_EQ(image.pixel(3, 1), qRgb(10, 20, 30));
    EXPECT_FALSE(QFile::exists(portal.pictureFile)) << "the portal's picture is the program's to remove";
    EXPECT_TRUE(neighbour.exists()) << "nothing else is";
    EXPECT_FALSE(client.busy());
    EXPECT_EQ(portal.lastOptions.value("interactive"), QVariant(false)) << "no dialog of the desktop's";
    EXPECT_TRUE(portal.lastOptions.value("handle_token").toString().startsWith("pigmentrix"));
}

TEST_F(DesktopPortalTest, EveryOtherAnswerEndsInOneRefusal)
{
    struct Row {
        const char *name;
        std::optional<uint> response;
        QString pictureFile;
        PortalRefusal expected;
    };
    const Row rows[] = {
        {"the user cancels", 1u, {}, PortalRefusal::Cancelled},
        {"the desktop refuses", 2u, {}, PortalRefusal::Denied},
        {"no answer comes", std::nullopt, {}, PortalRefusal::NoAnswer},
        {"the picture cannot be read", 0u, "/nonexistent/shot.png", PortalRefusal::Unreadable},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        taken.clear();
        refused.clear();
        portal.screenshotResponse = row.response;
        portal.pictureFile = row.pictureFile;
        client.setAnswerTimeout(row.response ? std::chrono::milliseconds(5000) : std::chrono::milliseconds(300));
        client.requestScreenshot();
        waitForTheEnd();
        EXPECT_TRUE(taken.isEmpty());
        ASSERT_EQ(refused.count(), 1);
        EXPECT_EQ(refused.first().at(0).value<PortalRefusal>(), row.expected);
        EXPECT_FALSE(client.busy()) << "ready for the next request";
    }
}

TEST_F(DesktopPortalTest, ALateAnswerAfterTheTimeOutIsIgnored)
{
    portal.screenshotResponse = std::nullopt;
    client.setAnswerTimeout(std::chrono::milliseconds(300));
    client.requestScreenshot();
    waitForTheEnd();
    ASSERT_EQ(refused.count(), 1);
    refused.wait(200);
    EXPECT_EQ(refused.count(), 1);
    EXPECT_TRUE(taken.isEmpty());
}

TEST_F(DesktopPortalTest, WithoutAPortalOnTheBusTheCallIsMissing)
{
    bus.portalSide().unregisterService("org.freedesktop.portal.Desktop");
    client.requestScreenshot();
    waitForTheEnd();
    ASSERT_EQ(refused.count(), 1);
    EXPECT_EQ(refused.first().at(0).value<PortalRefusal>(), PortalRefusal::Missing);
}

TEST_F(DesktopPortalTest, TheDesktopsPickerGivesAColourRoundedHalfUp)
{
    portal.pickedColor = {1.0, 0.5, 0.0}; // green 127.5 rounds to 128
    client.requestColor();
    waitForTheEnd();
    ASSERT_EQ(picked.count(), 1);
    EXPECT_EQ(picked.first().at(0).value<TColor>(), ComposeColor(255, 128, 0));
    EXPECT_EQ(portal.colorCalls, 1);
}

} // namespace
} // namespace pigmentrix
