#include "picker/start_checks.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace pigmentrix {
namespace {

std::optional<std::string> Variable(const char *name)
{
    const char *value = std::getenv(name);
    if (!value || *value == '\0')
        return std::nullopt;
    return std::string(value);
}

} // namespace

bool AsksForHelp(const std::vector<std::string> &arguments)
{
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == "--help" || arguments[i] == "-h" || arguments[i] == "/?")
            return true;
    }
    return false;
}

std::string UsageText()
{
    return "Usage: pigmentrix [/multi] [/allowclose] [/autostart] [/notray] [COLOUR | /pick]\n"
           "A small, exact desktop colour picker.\n"
           "\n"
           "  COLOUR        a hexadecimal colour of up to six digits, such as FF8000 or\n"
           "                #FF8000 (red first): the current colour when the window opens\n"
           "  /multi        let several pickers run side by side\n"
           "  /allowclose   closing the window ends the program instead of hiding it\n"
           "  /autostart    start hidden in the notification area (minimised where the\n"
           "                desktop has none)\n"
           "  /notray       run without a notification-area icon: closing the window ends\n"
           "                the program, and no check is made for a picker running already\n"
           "  /pick, --pick pick a colour from the screen at once and print its code: a\n"
           "                click or Enter takes it (exit code 0), Escape or a right click\n"
           "                gives up (1). The running picker picks; without one, a picker\n"
           "                starts in the background as with /autostart and stays\n"
           "  --help, -h, /?  show this text and end\n"
           "\n"
           "Switches are case-insensitive. The settings live in\n"
           "$XDG_CONFIG_HOME/Pigmentrix/Pigmentrix.ini (~/.config/Pigmentrix).\n";
}

StartEnvironment CurrentStartEnvironment()
{
    StartEnvironment environment;
    environment.display = Variable("DISPLAY");
    environment.waylandDisplay = Variable("WAYLAND_DISPLAY");
    environment.platform = Variable("QT_QPA_PLATFORM");
    environment.sessionBusAddress = Variable("DBUS_SESSION_BUS_ADDRESS");
    if (const std::optional<std::string> runtime = Variable("XDG_RUNTIME_DIR")) {
        std::error_code error;
        environment.runtimeBusSocket = std::filesystem::is_socket(std::filesystem::path(*runtime) / "bus", error);
    }
    return environment;
}

std::optional<std::string> MissingDisplayMessage(const StartEnvironment &environment,
                                                 bool (*canOpenX11)(const std::string &display))
{
    // A platform chosen by hand (offscreen, vnc, ...) is the user's to judge.
    if (environment.platform || environment.waylandDisplay)
        return std::nullopt;
    if (!environment.display) {
        return "Pigmentrix needs a graphical display, and none is set: neither DISPLAY nor WAYLAND_DISPLAY "
               "names one. Start it in a desktop session, or name a display, for example DISPLAY=:0.";
    }
    if (!canOpenX11(*environment.display)) {
        return "Pigmentrix needs a graphical display, and the X display \"" + *environment.display
               + "\" (DISPLAY) cannot be opened: it is not running, or this user may not use it.";
    }
    return std::nullopt;
}

bool KeepOffSessionBus(const StartEnvironment &environment)
{
    return !environment.sessionBusAddress && !environment.runtimeBusSocket && !environment.waylandDisplay;
}

} // namespace pigmentrix
