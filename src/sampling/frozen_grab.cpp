#include "sampling/frozen_grab.h"

#include "sampling/frozen_overlay.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

namespace pigmentrix {

std::vector<ScreenGeometry> CurrentScreenGeometries()
{
    std::vector<ScreenGeometry> geometries;
    for (const QScreen *screen : QGuiApplication::screens())
        geometries.push_back({screen->geometry(), screen->devicePixelRatio()});
    return geometries;
}

FrozenGrab::FrozenGrab(QImage desktop, const std::vector<ScreenPlacement> &placements)
    : frozen(std::move(desktop))
{
    const QList<QScreen *> qtScreens = QGuiApplication::screens();
    for (std::size_t i = 0; i < placements.size() && i < static_cast<std::size_t>(qtScreens.size()); ++i) {
        auto overlay =
            std::make_unique<FrozenScreenOverlay>(qtScreens[static_cast<qsizetype>(i)], placements[i], frozen.image());
        FrozenScreenOverlay *screen = overlay.get();
        connect(screen, &FrozenScreenOverlay::pointed, this, [this, screen](QPoint at) {
            pointerScreen = screen;
            frozen.setPickingPoint(at);
            emit moved();
        });
        connect(screen, &FrozenScreenOverlay::clicked, this, [this, screen](QPoint at) {
            pointerScreen = screen;
            frozen.setPickingPoint(at);
            emit moved();
            emit taken();
        });
        connect(screen, &FrozenScreenOverlay::nudged, this, [this](int dx, int dy) {
            frozen.nudge(dx, dy);
            emit moved();
        });
        connect(screen, &FrozenScreenOverlay::confirmed, this, &FrozenGrab::taken);
        connect(screen, &FrozenScreenOverlay::cancelled, this, &FrozenGrab::cancelled);
        screens.push_back(std::move(overlay));
    }
}

FrozenGrab::~FrozenGrab() = default;

void FrozenGrab::showPicker(const QPixmap &picker)
{
    for (const std::unique_ptr<FrozenScreenOverlay> &overlay : screens)
        overlay->showPicker(overlay.get() == pointerScreen ? picker : QPixmap());
}

void FrozenGrab::show()
{
    // Only on X11 does Qt know where the pointer is before it moves over a
    // window of the program; elsewhere the first pointer event says.
    const bool pointerKnown = QGuiApplication::platformName() == QLatin1String("xcb");
    const QPoint pointer = QCursor::pos();
    pointerScreen = screens.empty() ? nullptr : screens.front().get();
    frozen.setPickingPoint(frozen.image().rect().center());
    for (const std::unique_ptr<FrozenScreenOverlay> &overlay : screens) {
        const ScreenPlacement &place = overlay->placement();
        if (pointerKnown && place.logical.contains(pointer)) {
            pointerScreen = overlay.get();
            frozen.setPickingPoint(ImagePixelAt(place, QPointF(pointer - place.logical.topLeft())));
        }
        overlay->showFullScreen();
    }
    if (pointerScreen) {
        pointerScreen->activateWindow();
        pointerScreen->setFocus();
        // Without a window manager nothing hands the still screen the keys.
        if (pointerKnown)
            pointerScreen->grabKeyboard();
    }
    if (pointerKnown)
        emit moved();
}

} // namespace pigmentrix
