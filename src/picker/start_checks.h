#pragma once

#include <optional>
#include <string>
#include <vector>

namespace pigmentrix {

// What the start looks at before the window system is touched.

// "--help", "-h" or "/?" among the arguments after the program's path.
bool AsksForHelp(const std::vector<std::string> &arguments);

// The usage text "--help" prints.
std::string UsageText();

// The environment a start decides by.
struct StartEnvironment {
    std::optional<std::string> display; // DISPLAY
    std::optional<std::string> waylandDisplay; // WAYLAND_DISPLAY
    std::optional<std::string> platform; // QT_QPA_PLATFORM
    std::optional<std::string> sessionBusAddress; // DBUS_SESSION_BUS_ADDRESS
    bool runtimeBusSocket = false; // $XDG_RUNTIME_DIR/bus exists
};

StartEnvironment CurrentStartEnvironment();

// Why the program cannot show a window, in plain words; nullopt when it can
// try. canOpenX11 tells whether an X display of that name answers.
std::optional<std::string> MissingDisplayMessage(const StartEnvironment &environment,
                                                 bool (*canOpenX11)(const std::string &display));

// Whether the program should keep off the session bus: none is named and no
// portal is needed (an X11 session). Connecting anyway would have the D-Bus
// library start a bus of its own for the display, which outlives the
// program.
bool KeepOffSessionBus(const StartEnvironment &environment);

} // namespace pigmentrix
