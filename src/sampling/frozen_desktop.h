#pragma once

#include "sampling/screen_sampler.h"

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QString>

#include <optional>
#include <vector>

namespace pigmentrix {

// A screen as Qt gives it: its place in logical pixels and how many device
// pixels one logical pixel has.
struct ScreenGeometry {
    QRect logical;
    qreal devicePixelRatio = 1;
    QString name = {};
};

// Where a screen's pixels are in a still image of the whole desktop, and
// whether they are the screen's own or resampled from another scale.
struct ScreenPlacement {
    QRect logical;
    QRect image;
    bool exact = true;
};

// The X server's root window, in physical pixels: Qt keeps a screen's
// origin at its physical place and divides only its size.
std::vector<ScreenPlacement> PlaceScreensOnRoot(const std::vector<ScreenGeometry> &screens);

// The image pixel under a point of a still screen shown at `shown`
// logical pixels, the point given in those (fractions included); points on
// the far edge stay on the last pixel.
QPoint ImagePixelAt(const QRect &image, QSizeF shown, QPointF local);
inline QPoint ImagePixelAt(const ScreenPlacement &screen, QPointF local)
{
    return ImagePixelAt(screen.image, screen.logical.size(), local);
}

// The desktop as it was when the grab began. The picking point is set by
// whoever follows the pointer over the still image; reads answer from the
// image, so averaging and the magnifier work as on a live screen.
class FrozenScreenSampler final : public ScreenSampler {
public:
    explicit FrozenScreenSampler(QImage desktop);

    void setPickingPoint(QPoint at) { point = at; }
    // Moves the picking point by (dx, dy) image pixels, kept on the image.
    void nudge(int dx, int dy);
    const QImage &image() const { return desktop; }

    std::optional<QPoint> pointerPosition() override { return point; }
    std::optional<TColor> pixel(QPoint at) override;
    std::optional<QImage> copyArea(const QRect &area) override;

private:
    QImage desktop;
    QPoint point;
};

} // namespace pigmentrix
