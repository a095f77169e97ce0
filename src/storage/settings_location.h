#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace pigmentrix {

inline constexpr const char *SettingsFileName = "Pigmentrix.ini";

// What decides where the settings live.
struct SettingsEnvironment {
    std::filesystem::path executableFolder;
    bool iniBesideExecutable = false; // portable mode
    std::optional<std::string> xdgConfigHome; // $XDG_CONFIG_HOME
    std::optional<std::string> home; // $HOME, or the account's home folder
};

// Portable mode: "Pigmentrix.ini" beside the executable. Otherwise
// "$XDG_CONFIG_HOME/Pigmentrix/Pigmentrix.ini", where an unset, empty or
// relative XDG_CONFIG_HOME means "$HOME/.config". nullopt when neither gives
// an absolute folder; the program then runs with defaults and saves nothing.
std::optional<std::filesystem::path> SettingsFilePath(const SettingsEnvironment &environment);

// The environment of this process for an executable in executableFolder.
SettingsEnvironment CurrentSettingsEnvironment(const std::filesystem::path &executableFolder);

} // namespace pigmentrix
