#include "shell/autostart.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>

namespace pigmentrix {
namespace {

// Characters that make an Exec argument need double quotes.
constexpr std::string_view ReservedInExec = " \t\n\"'\\><~|&;$*?#()`";

// Inside double quotes these must be escaped with a backslash.
bool NeedsEscapeInQuotes(char c)
{
    return c == '"' || c == '`' || c == '$' || c == '\\';
}

// A desktop file's string values escape the backslash itself once more.
std::string EscapeForStringValue(std::string_view text)
{
    std::string escaped;
    for (char c : text) {
        if (c == '\\')
            escaped += "\\\\";
        else
            escaped += c;
    }
    return escaped;
}

} // namespace

AutostartEntry::AutostartEntry(std::filesystem::path configHome, std::string fileName)
    : entryPath(std::move(configHome) / "autostart" / fileName)
{
}

bool AutostartEntry::exists() const
{
    std::ifstream file(entryPath);
    if (!file)
        return false;
    std::string line;
    while (std::getline(file, line)) {
        if (line == "Hidden=true")
            return false;
    }
    return true;
}

std::optional<std::string> AutostartEntry::write(const std::filesystem::path &programPath) const
{
    std::error_code error;
    std::filesystem::create_directories(entryPath.parent_path(), error);
    if (error)
        return "Cannot create folder \"" + entryPath.parent_path().string() + "\". " + error.message();

    const std::filesystem::path temporary = entryPath.string() + ".tmp";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file << AutostartDesktopFile(programPath);
        file.flush();
        if (!file)
            return "Cannot create file \"" + entryPath.string() + "\".";
    }
    std::filesystem::rename(temporary, entryPath, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return "Cannot create file \"" + entryPath.string() + "\". " + error.message();
    }
    return std::nullopt;
}

bool AutostartEntry::remove() const
{
    std::error_code error;
    std::filesystem::remove(entryPath, error);
    return !std::filesystem::exists(entryPath, error);
}

std::filesystem::path XdgConfigHome()
{
    if (const char *configHome = std::getenv("XDG_CONFIG_HOME"); configHome && configHome[0] == '/')
        return configHome;
    const char *home = std::getenv("HOME");
    return std::filesystem::path(home ? home : "") / ".config";
}

std::string DesktopExecArgument(std::string_view argument)
{
    const bool needsQuotes = argument.empty() || argument.find_first_of(ReservedInExec) != std::string_view::npos;
    std::string result;
    if (!needsQuotes) {
        result = argument;
    } else {
        result += '"';
        for (char c : argument) {
            if (NeedsEscapeInQuotes(c))
                result += '\\';
            result += c;
        }
        result += '"';
    }
    // A literal percent sign is written twice: %f, %u ... are field codes.
    std::string withPercents;
    for (char c : result) {
        withPercents += c;
        if (c == '%')
            withPercents += '%';
    }
    return EscapeForStringValue(withPercents);
}

std::string AutostartDesktopFile(const std::filesystem::path &programPath)
{
    std::ostringstream file;
    file << "[Desktop Entry]\n"
         << "Type=Application\n"
         << "Name=Pigmentrix\n"
         << "Comment=Colour picker waiting in the notification area\n"
         << "Exec=" << DesktopExecArgument(programPath.string()) << " /autostart\n"
         << "Icon=pigmentrix\n"
         << "Terminal=false\n"
         << "X-GNOME-Autostart-enabled=true\n";
    return file.str();
}

} // namespace pigmentrix
