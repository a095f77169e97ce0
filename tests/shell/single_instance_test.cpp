#include "shell/single_instance.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace pigmentrix {
namespace {

class SingleInstanceTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(runtime.isValid());
        qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    }

    QTemporaryDir runtime;
};

TEST_F(SingleInstanceTest, OnlyTheFirstOfOneProgramRuns)
{
    SingleInstance first(QStringLiteral("/opt/pigmentrix/pigmentrix"));
    SingleInstance second(QStringLiteral("/opt/pigmentrix/pigmentrix"));
    EXPECT_TRUE(first.tryBecomeFirst());
    EXPECT_FALSE(second.tryBecomeFirst());
}

TEST_F(SingleInstanceTest, CopiesInOtherFoldersRunSideBySide)
{
    SingleInstance first(QStringLiteral("/opt/a/pigmentrix"));
    SingleInstance other(QStringLiteral("/opt/b/pigmentrix"));
    EXPECT_TRUE(first.tryBecomeFirst());
    EXPECT_TRUE(other.tryBecomeFirst());
}

TEST_F(SingleInstanceTest, EachGraphicalSessionHasItsOwnFirst)
{
    struct Start {
        const char *display;
        const char *wayland;
        bool first;
    };
    const Start starts[] = {
        {":5", nullptr, true},        {":5.1", nullptr, false}, // another screen of the same display
        {":6", nullptr, true},        {"host:5", nullptr, true},
        {":5", "wayland-1", true},    {":7", "wayland-1", false}, // XWayland of the same Wayland session
        {nullptr, "wayland-2", true},
    };
    std::vector<std::unique_ptr<SingleInstance>> running;
    for (const Start &start : starts) {
        SCOPED_TRACE(std::string(start.display ? start.display : "-") + " " + (start.wayland ? start.wayland : "-"));
        start.display ? qputenv("DISPLAY", start.display) : qunsetenv("DISPLAY");
        start.wayland ? qputenv("WAYLAND_DISPLAY", start.wayland) : qunsetenv("WAYLAND_DISPLAY");
        running.push_back(std::make_unique<SingleInstance>(QStringLiteral("/opt/pigmentrix/pigmentrix")));
        EXPECT_EQ(running.back()->tryBecomeFirst(), start.first);
    }
    qunsetenv("WAYLAND_DISPLAY");
}

TEST_F(SingleInstanceTest, TheLockIsFreeAgainOnceTheFirstEnds)
{
    {
        SingleInstance first(QStringLiteral("/opt/pigmentrix/pigmentrix"));
        ASSERT_TRUE(first.tryBecomeFirst());
    }
    SingleInstance later(QStringLiteral("/opt/pigmentrix/pigmentrix"));
    EXPECT_TRUE(later.tryBecomeFirst());
}

TEST_F(SingleInstanceTest, ARefusedStartAsksTheFirstToComeForward)
{
    SingleInstance first(QStringLiteral("/opt/pigmentrix/pigmentrix"));
    ASSERT_TRUE(first.tryBecomeFirst());
    QSignalSpy forward(&first, &SingleInstance::comeForwardRequested);

    SingleInstance second(QStringLiteral("/opt/pigmentrix/pigmentrix"));
    ASSERT_FALSE(second.tryBecomeFirst());
    EXPECT_TRUE(second.askFirstToComeForward());
    EXPECT_TRUE(forward.wait(2000));
}

// The channel is a Unix socket of the user's alone, and only the one
// request it knows makes the first instance come forward.
TEST_F(SingleInstanceTest, OnlyTheUserReachesTheFirstAndOnlyWithItsRequest)
{
    SingleInstance first(QStringLiteral("/opt/pigmentrix/pigmentrix"));
    ASSERT_TRUE(first.tryBecomeFirst());
    struct stat socketFile { };
    ASSERT_EQ(::stat(QFile::encodeName(first.socketPath()).constData(), &socketFile), 0);
    EXPECT_TRUE(S_ISSOCK(socketFile.st_mode));
    EXPECT_EQ(socketFile.st_mode & 0077, 0u) << "no one else may connect";

    QSignalSpy forward(&first, &SingleInstance::comeForwardRequested);
    const auto send = [&first](const QByteArray &bytes) {
        const int connection = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray path = QFile::encodeName(first.socketPath());
        std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
        ASSERT_EQ(::connect(connection, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);
        ASSERT_EQ(::send(connection, bytes.constData(), static_cast<std::size_t>(bytes.size()), MSG_NOSIGNAL),
                  bytes.size());
        ::close(connection);
    };
    for (const QByteArray &other : {QByteArray("come-forward"), QByteArray("go-away\n"), QByteArray(4000, 'x')})
        send(other);
    EXPECT_FALSE(forward.wait(300)) << "an unknown, unfinished or endless request does nothing";
    send("come-forward\n");
    EXPECT_TRUE(forward.wait(2000));
}

} // namespace
} // namespace pigmentrix
