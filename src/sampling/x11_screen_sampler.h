#pragma once

#include "sampling/screen_sampler.h"
#include "sampling/zpixmap.h"

#include <cstdint>
#include <memory>
#include <vector>

struct xcb_connection_t;

namespace pigmentrix {

// Reads the root window of the X server named by DISPLAY over one xcb
// connection that stays open for the sampler's lifetime: a grab tick costs a
// few round trips, not a connection. The root window spans every monitor, in
// physical pixels; its size is measured again when a read reaches past the
// known one (a monitor was added). On a server with separate screens (no
// Xinerama) the screen the pointer is on is read.
class X11ScreenSampler final : public ScreenSampler {
public:
    // nullptr when there is no X server, when it is a Wayland compositor's
    // X server, or when its root visual is not a true-colour one.
    static std::unique_ptr<X11ScreenSampler> open();
    ~X11ScreenSampler() override;

    X11ScreenSampler(const X11ScreenSampler &) = delete;
    X11ScreenSampler &operator=(const X11ScreenSampler &) = delete;

    std::optional<QPoint> pointerPosition() override;
    std::optional<TColor> pixel(QPoint at) override;
    std::optional<QImage> copyArea(const QRect &area) override;
    std::optional<QImage> captureDesktop() override;
    bool movePointer(QPoint to) override;

private:
    struct Screen {
        std::uint32_t root;
        ZPixmapLayout layout;
        QRect desktop;
    };

    X11ScreenSampler(xcb_connection_t *connection, std::vector<Screen> screens, std::size_t first);
    bool readDesktopSize();
    std::optional<QImage> readRoot(const QRect &area);

    xcb_connection_t *connection;
    std::vector<Screen> screens;
    // The screen the pointer was last seen on.
    std::size_t active;
};

} // namespace pigmentrix
