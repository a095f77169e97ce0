#pragma once

#include "model/color.h"

#include <QImage>
#include <QPoint>
#include <QRect>

#include <memory>
#include <optional>

namespace pigmentrix {

// Reads the desktop in physical pixels. Pointer and pixels share one
// coordinate space that covers every monitor, so a pointer position can be
// used as a pixel address without any scaling. Every read answers nullopt
// when the screen cannot be read; callers then keep what they had instead of
// showing a made-up colour.
class ScreenSampler {
public:
    virtual ~ScreenSampler() = default;

    virtual std::optional<QPoint> pointerPosition() = 0;
    // The colour of one pixel; nullopt also for a pixel beyond the desktop.
    virtual std::optional<TColor> pixel(QPoint at) = 0;
    // The area as an ARGB32 image of area.size(): pixels beyond the desktop
    // are transparent black, all others opaque. area must not be empty.
    virtual std::optional<QImage> copyArea(const QRect &area) = 0;
    // The whole desktop at once, for a grab over a still picture.
    virtual std::optional<QImage> captureDesktop() { return std::nullopt; }
    // Puts the pointer on a pixel; false where the program may not move it.
    virtual bool movePointer(QPoint) { return false; }
};

// The sampler for this session: the X server's root window when the program
// runs on X11 (and the X server is not a Wayland compositor's, whose root
// window does not show the other programs), otherwise one that cannot read.
std::unique_ptr<ScreenSampler> CreateScreenSampler();

// A Wayland session, where only the desktop portal hands out the screen's
// pixels (directly or through XWayland).
bool ScreenReadThroughPortal();

// A session where the screen cannot be read: every read fails.
class UnreadableScreen final : public ScreenSampler {
public:
    std::optional<QPoint> pointerPosition() override { return std::nullopt; }
    std::optional<TColor> pixel(QPoint) override { return std::nullopt; }
    std::optional<QImage> copyArea(const QRect &) override { return std::nullopt; }
};

} // namespace pigmentrix
