#pragma once

#include "sampling/output_pictures.h"

#include <chrono>
#include <memory>
#include <optional>
#include <vector>

namespace pigmentrix {

// The compositor's monitors and, where it hands them out to programs (the
// wlroots screencopy protocol), each monitor's own picture, through a
// Wayland connection of the program's own: so also where Qt runs on X11
// through XWayland, which knows neither the monitors' scales nor their
// pixels. One connection per grab; nothing stays open between grabs.
class WaylandScreen {
public:
    // nullptr where no Wayland compositor answers within the time.
    static std::unique_ptr<WaylandScreen> connect(std::chrono::milliseconds timeout);
    ~WaylandScreen();
    WaylandScreen(const WaylandScreen &) = delete;
    WaylandScreen &operator=(const WaylandScreen &) = delete;

    // In the compositor's order, each with its layout place and its mode.
    const std::vector<OutputLayout> &outputs() const;
    bool offersPictures() const;
    // Every monitor's picture at its own pixels, without the pointer;
    // nullopt where one of them cannot be had in time.
    std::optional<std::vector<OutputPicture>> capture(std::chrono::milliseconds timeout);

private:
    struct Connection;
    explicit WaylandScreen(std::unique_ptr<Connection> connection);
    std::unique_ptr<Connection> connection;
};

} // namespace pigmentrix
