#include "displays/picture_mapping.h"

#include "displays/wheel_hues.h"
#include "displays/wheel_rings.h"
#include "model/conversions.h"
#include "model/rounding.h"

#include <algorithm>
#include <cstdlib>

namespace pigmentrix {
namespace {

int RoundToInt(double x)
{
    return static_cast<int>(Round(x));
}

TColor ColorOf(const HsvPosition &hsv)
{
    const PixelTriple p = HSVtoRGBTriple(hsv.hue, hsv.saturation, hsv.value);
    return ComposeColor(p.red, p.green, p.blue);
}

PicturePick Pick(const HsvPosition &hsv, int source)
{
    return {hsv, ColorOf(hsv), source};
}

// Picture column x shows chart column x + 1: each chart is drawn one column
// to the left.
int ChartColumn(int pictureColumn)
{
    return pictureColumn + 1;
}

std::optional<PicturePick> WheelPick(QPoint pixel, QSize size, HsvPosition now)
{
    const int s = size.height();
    const int r = s / 2;
    if (r == 0)
        return std::nullopt;
    const int dx = (s - r) - ChartColumn(pixel.x());
    const int dy = pixel.y() - r;
    const long long n = static_cast<long long>(dx) * dx + static_cast<long long>(dy) * dy;
    const WheelRings rings(r);
    const MirroredHues hues = WheelHuesByArctan(std::abs(dx), dy);
    now.hue = dx >= 0 ? hues.left : hues.right;
    now.saturation = rings.InDisc(n) ? rings.Saturation(n, 0) : 255;
    return Pick(now, WheelChangeSource);
}

std::optional<PicturePick> SquarePick(QPoint pixel, QSize size, HsvPosition now)
{
    const int s = size.height();
    if (s == 0)
        return std::nullopt;
    const int shownColumns = std::min(size.width(), s);
    if (pixel.x() >= 0 && pixel.x() < shownColumns)
        now.saturation = RoundToInt(ChartColumn(pixel.x()) * 255.0 / (s + 1));
    if (pixel.y() >= 0 && pixel.y() < s)
        now.value = RoundToInt((s - 1 - pixel.y()) * 255.0 / s);
    return Pick(now, SquareOrRectangleChangeSource);
}

std::optional<PicturePick> RectanglePick(QPoint pixel, QSize size)
{
    const int s = size.height();
    const int shownColumns = std::clamp(s - 1, 0, size.width());
    if (pixel.x() < 0 || pixel.x() >= shownColumns || pixel.y() < 0 || pixel.y() >= s)
        return std::nullopt;
    HsvPosition hsv{RoundToInt(ChartColumn(pixel.x()) * 360.0 / (s - 1)), 255, 255};
    const double t = static_cast<double>(pixel.y()) / s;
    if (t <= 0.5)
        hsv.saturation = RoundToInt(t * 510);
    else
        hsv.value = RoundToInt((1 - t) * 510);
    return Pick(hsv, SquareOrRectangleChangeSource);
}

} // namespace

std::optional<PicturePick> PickFromPicture(DisplayMode displayMode, QPoint pixel, QSize size, HsvPosition now)
{
    switch (displayMode) {
    case DisplayMode::ColorWheel: return WheelPick(pixel, size, now);
    case DisplayMode::SVSquare: return SquarePick(pixel, size, now);
    default: return RectanglePick(pixel, size);
    }
}

} // namespace pigmentrix
