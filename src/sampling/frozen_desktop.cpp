#include "sampling/frozen_desktop.h"

#include <algorithm>
#include <cmath>

namespace pigmentrix {

namespace {

QRect BoundingRect(const std::vector<ScreenGeometry> &screens)
{
    QRect bounds;
    for (const ScreenGeometry &screen : screens)
        bounds |= screen.logical;
    return bounds;
}

int Scaled(int value, qreal factor)
{
    return static_cast<int>(std::lround(value * factor));
}

} // namespace

std::vector<ScreenPlacement> PlaceScreensOnRoot(const std::vector<ScreenGeometry> &screens)
{
    std::vector<ScreenPlacement> placements;
    for (const ScreenGeometry &screen : screens) {
        const QSize physical(Scaled(screen.logical.width(), screen.devicePixelRatio),
                             Scaled(screen.logical.height(), screen.devicePixelRatio));
        placements.push_back({screen.logical, QRect(screen.logical.topLeft(), physical)});
    }
    return placements;
}

std::vector<ScreenPlacement> PlaceScreensOnLayoutImage(const std::vector<ScreenGeometry> &screens, QSize imageSize)
{
    const QRect layout = BoundingRect(screens);
    std::vector<ScreenPlacement> placements;
    if (layout.isEmpty())
        return placements;
    const qreal across = static_cast<qreal>(imageSize.width()) / layout.width();
    const qreal down = static_cast<qreal>(imageSize.height()) / layout.height();
    for (const ScreenGeometry &screen : screens) {
        const QPoint offset = screen.logical.topLeft() - layout.topLeft();
        const QPoint topLeft(Scaled(offset.x(), across), Scaled(offset.y(), down));
        const QPoint bottomRight(Scaled(offset.x() + screen.logical.width(), across),
                                 Scaled(offset.y() + screen.logical.height(), down));
        placements.push_back({screen.logical, QRect(topLeft, bottomRight - QPoint(1, 1))});
    }
    return placements;
}

QPoint ImagePixelAt(const ScreenPlacement &screen, QPointF local)
{
    const qreal across = static_cast<qreal>(screen.image.width()) / screen.logical.width();
    const qreal down = static_cast<qreal>(screen.image.height()) / screen.logical.height();
    const int x = std::clamp(static_cast<int>(std::floor(local.x() * across)), 0, screen.image.width() - 1);
    const int y = std::clamp(static_cast<int>(std::floor(local.y() * down)), 0, screen.image.height() - 1);
    return screen.image.topLeft() + QPoint(x, y);
}

FrozenScreenSampler::FrozenScreenSampler(QImage desktop)
    // Through RGB32 every pixel becomes opaque: a screenshot may carry an
    // alpha channel, the desktop has none.
    : desktop(std::move(desktop).convertToFormat(QImage::Format_RGB32).convertToFormat(QImage::Format_ARGB32))
{
}

void FrozenScreenSampler::nudge(int dx, int dy)
{
    point.setX(std::clamp(point.x() + dx, 0, std::max(0, desktop.width() - 1)));
    point.setY(std::clamp(point.y() + dy, 0, std::max(0, desktop.height() - 1)));
}

std::optional<TColor> FrozenScreenSampler::pixel(QPoint at)
{
    if (!desktop.rect().contains(at))
        return std::nullopt;
    const QRgb rgb = desktop.pixel(at);
    return ComposeColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

std::optional<QImage> FrozenScreenSampler::copyArea(const QRect &area)
{
    // QImage::copy leaves pixels beyond the image transparent black, as
    // beyond a live desktop.
    return desktop.copy(area);
}

} // namespace pigmentrix
