#include "shell/autostart.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace pigmentrix {
namespace {

TEST(DesktopExecArgument, QuotesByTheDesktopEntryRules)
{
    struct Row {
        const char *argument;
        const char *expected;
    };
    const Row rows[] = {
        {"/usr/bin/pigmentrix", "/usr/bin/pigmentrix"},
        {"/opt/A B/pigmentrix", "\"/opt/A B/pigmentrix\""},
        {"/opt/say \"hi\"/p", "\"/opt/say \\\\\"hi\\\\\"/p\""},
        {"/opt/$HOME/p", "\"/opt/\\\\$HOME/p\""},
        {"/opt/100%/p", "/opt/100%%/p"},
        {"/opt/back\\slash", "\"/opt/back\\\\\\\\slash\""},
        {"", "\"\""},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.argument);
        EXPECT_EQ(DesktopExecArgument(row.argument), row.expected);
    }
}

TEST(AutostartDesktopFile, RunsTheProgramHidden)
{
    const std::string file = AutostartDesktopFile("/opt/A B/pigmentrix");
    EXPECT_NE(file.find("[Desktop Entry]\n"), std::string::npos);
    EXPECT_NE(file.find("Type=Application\n"), std::string::npos);
    EXPECT_NE(file.find("Exec=\"/opt/A B/pigmentrix\" /autostart\n"), std::string::npos);
}

class AutostartEntryTest : public testing::Test {
protected:
    void SetUp() override
    {
        folder = std::filesystem::temp_directory_path() / ("pigmentrix-autostart-" + std::to_string(::getpid()));
        std::filesystem::remove_all(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::filesystem::path folder;
};

TEST_F(AutostartEntryTest, WriteCreatesTheFolderAndRemoveDeletes)
{
    const AutostartEntry entry(folder);
    EXPECT_FALSE(entry.exists());
    EXPECT_EQ(entry.write("/usr/bin/pigmentrix"), std::nullopt);
    EXPECT_TRUE(entry.exists());
    EXPECT_EQ(entry.path(), folder / "autostart" / "pigmentrix.desktop");
    EXPECT_TRUE(entry.remove());
    EXPECT_FALSE(entry.exists());
    EXPECT_TRUE(entry.remove()) << "removing what is not there still leaves it gone";
}

TEST_F(AutostartEntryTest, AnEntrySwitchedOffDoesNotCount)
{
    std::filesystem::create_directories(folder / "autostart");
    std::ofstream(folder / "autostart" / "pigmentrix.desktop") << "[Desktop Entry]\nHidden=true\n";
    EXPECT_FALSE(AutostartEntry(folder).exists());
}

TEST_F(AutostartEntryTest, WriteReportsAFolderThatCannotBeMade)
{
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "autostart") << "a file where the folder should be";
    const std::optional<std::string> error = AutostartEntry(folder).write("/usr/bin/pigmentrix");
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find("autostart"), std::string::npos);
}

} // namespace
} // namespace pigmentrix
