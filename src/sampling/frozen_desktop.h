#pragma once

#include "sampling/screen_sampler.h"

#include <QImage>
#include <QPointF>
#include <QRect>

#include <optional>
#include <vector>

namespace pigmentrix {

// A screen as Qt gives it: its place in logical pixels and how many device
// pixels one logical pixel has.
struct ScreenGeometry {
    QRect logical;
    qreal devicePixelRatio = 1;
};

// Where a screen's pixels are in a still image of the whole desktop.
struct ScreenPlacement {
    QRect logical;
    QRect image;
};

// The X server's root window, in physical pixels: Qt keeps a screen's
// origin at its physical place and divides only its size.
std::vector<ScreenPlacement> PlaceScreensOnRoot(const std::vector<ScreenGeometry> &screens);

// A compositor's screenshot of the whole layout, drawn at the highest output
// scale: the logical layout stretched evenly onto the image.
std::vector<ScreenPlacement> PlaceScreensOnLayoutImage(const std::vector<ScreenGeometry> &screens, QSize imageSize);

// The image pixel under a point of the screen, given in the screen's own
// logical pixels (fractions included); points on the screen's far edge stay
// on its last pixel.
QPoint ImagePixelAt(const ScreenPlacement &screen, QPointF local);

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
