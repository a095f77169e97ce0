#pragma once

#include "sampling/screen_sampler.h"
#include "sampling/zpixmap.h"

#include <cstdint>
#include <memory>

struct xcb_connection_t;

namespace pigmentrix {

// Reads the root window of the X server named by DISPLAY over one xcb
// connection that stays open for the sampler's lifetime: a grab tick costs a
// few round trips, not a connection. The root window spans every monitor, in
// physical pixels.
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

private:
    X11ScreenSampler(xcb_connection_t *connection, std::uint32_t root, const ZPixmapLayout &layout);
    bool readDesktopSize();
    std::optional<QImage> readRoot(const QRect &area);

    xcb_connection_t *connection;
    std::uint32_t root;
    ZPixmapLayout layout;
    QRect desktop;
};

} // namespace pigmentrix
