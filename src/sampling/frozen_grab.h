#pragma once

#include "sampling/frozen_desktop.h"

#include <QImage>
#include <QObject>

#include <memory>
#include <vector>

namespace pigmentrix {

class FrozenScreenOverlay;

// The screens Qt knows, in the order of QGuiApplication::screens().
std::vector<ScreenGeometry> CurrentScreenGeometries();

// A grab over a still image of the desktop: every screen shows its part of
// the image, the picking point follows the pointer or the arrow keys, and a
// click or Enter takes the colour there, Escape or a right click gives up.
class FrozenGrab final : public QObject {
    Q_OBJECT

public:
    // placements: where each of QGuiApplication::screens() lies in desktop,
    // in that order; a screen with an empty image rectangle gets no still
    // screen. With livePointer (the X server's), the picking point is
    // where it puts the pointer, at physical pixels, rather than where Qt's
    // events say in logical ones.
    FrozenGrab(QImage desktop, const std::vector<ScreenPlacement> &placements, ScreenSampler *livePointer = nullptr);
    ~FrozenGrab() override;

    // Shows the still screens; the picking point starts under the pointer.
    void show();
    FrozenScreenSampler &sampler() { return frozen; }
    // The picker window, shown on the screen of the picking point.
    void showPicker(const QPixmap &picker);
    const std::vector<std::unique_ptr<FrozenScreenOverlay>> &overlays() const { return screens; }

signals:
    void moved();
    void taken();
    void cancelled();

private:
    void pointAt(FrozenScreenOverlay *screen, QPoint imagePixel);
    // The still screen whose picture holds the picking point.
    FrozenScreenOverlay *screenAt(QPoint imagePixel) const;

    ScreenSampler *livePointer;
    // The still screen the picking point is on.
    FrozenScreenOverlay *pointerScreen = nullptr;
    FrozenScreenSampler frozen;
    std::vector<std::unique_ptr<FrozenScreenOverlay>> screens;
};

} // namespace pigmentrix
