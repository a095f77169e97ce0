#include "shell/pick_protocol.h"
#include "shell/single_instance.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/socket.h>
#include <unistd.h>

#include <future>

namespace pigmentrix {
namespace {

struct AnswerRow {
    const char *name;
    std::optional<QString> code;
    QByteArray line;
};

class PickAnswerLine : public testing::TestWithParam<AnswerRow> { };

TEST_P(PickAnswerLine, IsWrittenAndReadBack)
{
    const AnswerRow &row = GetParam();
    EXPECT_EQ(EncodePickAnswer(PickAnswer{row.code}), row.line);
    const std::optional<PickAnswer> read = DecodePickAnswer(row.line);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->code, row.code);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PickAnswerLine,
    testing::Values(AnswerRow{"GaveUp", std::nullopt, "gave up\n"},
                    AnswerRow{"Hex", QStringLiteral("#FF8000"), "taken #FF8000\n"},
                    AnswerRow{"Spaces", QStringLiteral("rgb(255, 128, 0)"), "taken rgb(255, 128, 0)\n"},
                    AnswerRow{"EmptyCode", QString(), "taken \n"},
                    // A custom format may span lines and hold a per cent sign.
                    AnswerRow{"LineBreakAndPercent", QStringLiteral("50%\nred"), "taken 50%25%0Ared\n"},
                    AnswerRow{"NotAscii", QStringLiteral("\u00b0 hue"), "taken \xc2\xb0 hue\n"}),
    [](const testing::TestParamInfo<AnswerRow> &info) { return std::string(info.param.name); });

TEST(PickAnswerLine, NonsenseIsNoAnswer)
{
    EXPECT_FALSE(DecodePickAnswer("come-forward\n"));
    EXPECT_FALSE(DecodePickAnswer("takenFF8000\n"));
    EXPECT_FALSE(DecodePickAnswer(""));
}

// A runtime folder of the test's own, named before the instances below
// take their paths from it: tests running side by side never meet.
struct OwnRuntimeFolder {
    OwnRuntimeFolder() { qputenv("XDG_RUNTIME_DIR", folder.path().toUtf8()); }
    QTemporaryDir folder;
};

class PickRequestTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(runtime.folder.isValid());
        ASSERT_TRUE(first.tryBecomeFirst());
    }

    // Runs the event loop until done is ready.
    template <typename T>
    T waitFor(std::future<T> &done)
    {
        for (int i = 0; i < 400 && done.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready; ++i)
            QTest::qWait(10);
        return done.get();
    }

    OwnRuntimeFolder runtime;
    SingleInstance first{QStringLiteral("/usr/bin/pigmentrix-pick-test")};
    SingleInstance later{QStringLiteral("/usr/bin/pigmentrix-pick-test")};
};

TEST_F(PickRequestTest, EveryWaitingCommandGetsTheAnswer)
{
    QSignalSpy requested(&first, &SingleInstance::pickRequested);
    const int one = later.connectToFirst();
    const int two = later.connectToFirst();
    ASSERT_GE(one, 0);
    ASSERT_GE(two, 0);
    auto firstAnswer = std::async(std::launch::async, [one] { return AskToPick(one); });
    auto secondAnswer = std::async(std::launch::async, [two] { return AskToPick(two); });
    for (int i = 0; i < 400 && requested.count() < 2; ++i)
        QTest::qWait(10);
    ASSERT_EQ(requested.count(), 2);
    first.answerPicks(PickAnswer{QStringLiteral("#123456")});
    const std::optional<PickAnswer> a = waitFor(firstAnswer);
    const std::optional<PickAnswer> b = waitFor(secondAnswer);
    ::close(one);
    ::close(two);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->code, QStringLiteral("#123456"));
    EXPECT_EQ(b->code, QStringLiteral("#123456"));
}

TEST_F(PickRequestTest, AnAdoptedConnectionAsksAsTheSocketDoes)
{
    int ends[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends), 0);
    QSignalSpy requested(&first, &SingleInstance::pickRequested);
    first.adoptConnection(ends[1]);
    auto answer = std::async(std::launch::async, [command = ends[0]] { return AskToPick(command); });
    for (int i = 0; i < 400 && requested.isEmpty(); ++i)
        QTest::qWait(10);
    ASSERT_EQ(requested.count(), 1);
    first.answerPicks(PickAnswer{});
    const std::optional<PickAnswer> got = waitFor(answer);
    ::close(ends[0]);
    ASSERT_TRUE(got.has_value());
    EXPECT_FALSE(got->code.has_value());
}

TEST_F(PickRequestTest, APickerThatEndsFirstLeavesTheCommandWithoutAnAnswer)
{
    auto gone = std::make_unique<SingleInstance>(QStringLiteral("/usr/bin/pigmentrix-pick-other"));
    ASSERT_TRUE(gone->tryBecomeFirst());
    SingleInstance asker(QStringLiteral("/usr/bin/pigmentrix-pick-other"));
    const int connection = asker.connectToFirst();
    ASSERT_GE(connection, 0);
    QSignalSpy requested(gone.get(), &SingleInstance::pickRequested);
    auto answer = std::async(std::launch::async, [connection] { return AskToPick(connection); });
    for (int i = 0; i < 400 && requested.isEmpty(); ++i)
        QTest::qWait(10);
    gone.reset();
    EXPECT_FALSE(waitFor(answer).has_value());
    ::close(connection);
}

} // namespace
} // namespace pigmentrix
