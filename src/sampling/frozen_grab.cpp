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
        geometries.push_back({screen->geometry(), screen->devicePixelRatio(), screen->name()});
    return geometries;
}

FrozenGrab::FrozenGrab(QImage desktop, const std::vector<ScreenPlacement> &placements, ScreenSampler *livePointer)
    : livePointer(livePointer)
    , frozen(std::move(desktop))
{
    const QList<QScreen *> qtScreens = QGuiApplication::screens();
    std::vector<std::pair<QScreen *, std::vector<ScreenPlacement>>> covers;
    for (std::size_t i = 0; i < placements.size() && i < static_cast<std::size_t>(qtScreens.size()); ++i) {
        if (placements[i].image.isEmpty())
            continue;
        if (covers.empty() || !X11InsideWayland())
            covers.push_back({qtScreens[static_cast<qsizetype>(i)], {}});
        covers.back().second.push_back(placements[i]);
    }
    for (auto &[qtScreen, parts] : covers) {
        auto overlay = std::make_unique<FrozenScreenOverlay>(qtScreen, std::move(parts), frozen.image());
        FrozenScreenOverlay *screen = overlay.get();
        connect(screen, &FrozenScreenOverlay::pointed, this, [this, screen](QPoint at) {
            pointAt(screen, at);
            emit moved();
        });
        connect(screen, &FrozenScreenOverlay::clicked, this, [this, screen](QPoint at) {
            pointAt(screen, at);
            emit moved();
            emit taken();
        });
        connect(screen, &FrozenScreenOverlay::nudged, this, [this](int dx, int dy) {
            frozen.nudge(dx, dy);
            if (FrozenScreenOverlay *now = screenAt(*frozen.pointerPosition()))
                pointerScreen = now;
            emit moved();
        });
        connect(screen, &FrozenScreenOverlay::confirmed, this, &FrozenGrab::taken);
        connect(screen, &FrozenScreenOverlay::cancelled, this, &FrozenGrab::cancelled);
        screens.push_back(std::move(overlay));
    }
}

FrozenGrab::~FrozenGrab() = default;

void FrozenGrab::pointAt(FrozenScreenOverlay *screen, QPoint imagePixel)
{
    const std::optional<QPoint> physical = livePointer ? livePointer->pointerPosition() : std::nullopt;
    frozen.setPickingPoint(physical ? *physical : imagePixel);
    pointerScreen = screenAt(*frozen.pointerPosition());
    if (!pointerScreen)
        pointerScreen = screen;
}

FrozenScreenOverlay *FrozenGrab::screenAt(QPoint imagePixel) const
{
    for (const std::unique_ptr<FrozenScreenOverlay> &overlay : screens)
        if (overlay->holds(imagePixel))
            return overlay.get();
    return nullptr;
}

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
    frozen.setPickingPoint(pointerScreen ? pointerScreen->placement().image.center() : QPoint());
    for (const std::unique_ptr<FrozenScreenOverlay> &overlay : screens) {
        for (const ScreenPlacement &place : overlay->parts())
            if (pointerKnown && place.logical.contains(pointer))
                pointAt(overlay.get(), ImagePixelAt(place, QPointF(pointer - place.logical.topLeft())));
        overlay->cover();
    }
    if (pointerScreen)
        pointerScreen->takeKeys();
    if (pointerKnown)
        emit moved();
}

} // namespace pigmentrix
