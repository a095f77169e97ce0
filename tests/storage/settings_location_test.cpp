#include "storage/settings_location.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

namespace pigmentrix {
namespace {

struct LocationRow {
    const char *name;
    SettingsEnvironment environment;
    std::optional<std::filesystem::path> file;
};

TEST(SettingsLocation, PortableFileElseTheUsersConfigFolder)
{
    const std::vector<LocationRow> rows = {
        {"ini beside the executable",
         {"/opt/pigmentrix", true, "/home/me/.cfg", "/home/me"},
         "/opt/pigmentrix/Pigmentrix.ini"},
        {"XDG_CONFIG_HOME set",
         {"/usr/bin", false, "/home/me/.cfg", "/home/me"},
         "/home/me/.cfg/Pigmentrix/Pigmentrix.ini"},
        {"XDG_CONFIG_HOME unset",
         {"/usr/bin", false, std::nullopt, "/home/me"},
         "/home/me/.config/Pigmentrix/Pigmentrix.ini"},
        {"XDG_CONFIG_HOME empty", {"/usr/bin", false, "", "/home/me"}, "/home/me/.config/Pigmentrix/Pigmentrix.ini"},
        {"XDG_CONFIG_HOME relative",
         {"/usr/bin", false, "cfg", "/home/me"},
         "/home/me/.config/Pigmentrix/Pigmentrix.ini"},
        {"no usable folder", {"/usr/bin", false, std::nullopt, ""}, std::nullopt},
    };
    for (const LocationRow &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(SettingsFilePath(row.environment), row.file);
    }
}

TEST(SettingsLocation, PortableModeNeedsTheFileBesideTheExecutable)
{
    testing::TempFolder folder;
    EXPECT_FALSE(CurrentSettingsEnvironment(folder.path()).iniBesideExecutable);
    testing::WriteBytes(folder / "Pigmentrix.ini", "");
    EXPECT_TRUE(CurrentSettingsEnvironment(folder.path()).iniBesideExecutable);
}

} // namespace
} // namespace pigmentrix
