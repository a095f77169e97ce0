#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace pigmentrix {

// Start with the user's session through an XDG autostart entry: a desktop
// file in $XDG_CONFIG_HOME/autostart whose Exec line runs the program hidden
// in the notification area.
class AutostartEntry {
public:
    // The entry lives in <configHome>/autostart/<fileName>.
    AutostartEntry(std::filesystem::path configHome, std::string fileName = "pigmentrix.desktop");

    const std::filesystem::path &path() const { return entryPath; }

    // Whether the entry exists and is not switched off ("Hidden=true").
    bool exists() const;

    // Writes the entry for programPath; the error text on failure.
    std::optional<std::string> write(const std::filesystem::path &programPath) const;

    // Removes the entry; true when it is gone afterwards.
    bool remove() const;

private:
    std::filesystem::path entryPath;
};

// The config folder by the XDG rule: $XDG_CONFIG_HOME when it is an absolute
// path, else $HOME/.config.
std::filesystem::path XdgConfigHome();

// One argument of an Exec line, quoted by the desktop-entry rules when it
// needs quoting.
std::string DesktopExecArgument(std::string_view argument);

// The contents of the autostart desktop file for programPath.
std::string AutostartDesktopFile(const std::filesystem::path &programPath);

} // namespace pigmentrix
