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
    // in that order.
    FrozenGrab(QImage desktop, const std::vector<ScreenPlacement> &placements);
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
    // The still screen the pointer was last on.
    FrozenScreenOverlay *pointerScreen = nullptr;
    FrozenScreenSampler frozen;
    std::vector<std::unique_ptr<FrozenScreenOverlay>> screens;
};

} // namespace pigmentrix
