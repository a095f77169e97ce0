#include "storage/settings_location.h"

#include <cstdlib>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

namespace pigmentrix {
namespace {

std::optional<std::string> Environment(const char *name)
{
    const char *value = std::getenv(name);
    if (!value)
        return std::nullopt;
    return std::string(value);
}

std::optional<std::string> AccountHome()
{
    const passwd *account = ::getpwuid(::getuid());
    if (!account || !account->pw_dir)
        return std::nullopt;
    return std::string(account->pw_dir);
}

bool IsUsableFolder(const std::optional<std::string> &folder)
{
    return folder && !folder->empty() && std::filesystem::path(*folder).is_absolute();
}

} // namespace

std::optional<std::filesystem::path> SettingsFilePath(const SettingsEnvironment &environment)
{
    if (environment.iniBesideExecutable)
        return environment.executableFolder / SettingsFileName;
    std::filesystem::path configFolder;
    if (IsUsableFolder(environment.xdgConfigHome))
        configFolder = *environment.xdgConfigHome;
    else if (IsUsableFolder(environment.home))
        configFolder = std::filesystem::path(*environment.home) / ".config";
    else
        return std::nullopt;
    return configFolder / "Pigmentrix" / SettingsFileName;
}

SettingsEnvironment CurrentSettingsEnvironment(const std::filesystem::path &executableFolder)
{
    SettingsEnvironment environment;
    environment.executableFolder = executableFolder;
    std::error_code error;
    environment.iniBesideExecutable =
        !executableFolder.empty() && std::filesystem::is_regular_file(executableFolder / SettingsFileName, error);
    environment.xdgConfigHome = Environment("XDG_CONFIG_HOME");
    environment.home = Environment("HOME");
    if (!IsUsableFolder(environment.home))
        environment.home = AccountHome();
    return environment;
}

} // namespace pigmentrix
