#include "sampling/frozen_desktop.h"

#include "ui/device_pixels.h"

#include <algorithm>
#include <cmath>

namespace pigmentrix {

std::vector<ScreenPlacement> PlaceScreensOnRoot(const std::vector<ScreenGeometry> &screens)
{
    std::vector<ScreenPlacement> placements;
    for (const ScreenGeometry &screen : screens) {
        const QSize physical(ToDevicePixels(screen.logical.width(), screen.devicePixelRatio),
                             ToDevicePixels(screen.logical.height(), screen.devicePixelRatio));
        placements.push_back({screen.logical, QRect(screen.logical.topLeft(), physical)});
    }
    return placements;
}

QPoint ImagePixelAt(const QRect &image, QSizeF shown, QPointF local)
{
    const qreal across = image.width() / shown.width();
    const qreal down = image.height() / shown.height();
    const int x = std::clamp(static_cast<int>(std::floor(local.x() * across)), 0, image.width() - 1);
    const int y = std::clamp(static_cast<int>(std::floor(local.y() * down)), 0, image.height() - 1);
    return image.topLeft() + QPoint(x, y);
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
