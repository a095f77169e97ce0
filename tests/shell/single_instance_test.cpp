#include "shell/single_instance.h"

#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

} // namespace
} // namespace pigmentrix
