#include "displays/picture_mapping.h"

#include "displays/hsv_pictures.h"
#include "model/rounding.h"

#include <cmath>
#include <cstdint>
#include <numbers>

namespace pigmentrix {

namespace {

constexpr int HueMax = 360;
constexpr int ChannelMax = 255;

// The number a slider of range 0..maximum accepts, or nothing when the write
// would be ignored. Numbers that are not finite (a picture of height 0) are
// ignored too.
std::optional<int> SliderWrite(double rounded, int maximum)
{
    if (!(rounded >= 0 && rounded <= maximum))
        return std::nullopt;
    return static_cast<int>(rounded);
}

double RoundToDouble(double x)
{
    if (!std::isfinite(x))
        return x;
    // Far beyond any slider; keeps the conversion inside Round defined.
    if (std::fabs(x) > 1e15)
        return x;
    return static_cast<double>(Round(x));
}

} // namespace

PictureSliderWrites HueSaturationFromPoint(int x, int y, int pictureHeight)
{
    const int c = pictureHeight / 2;
    const double dx = static_cast<double>(x) - c;
    const double dy = static_cast<double>(y) - c;

    const float a = std::atan2(static_cast<float>(-dy), static_cast<float>(dx));
    auto hue = static_cast<int>(Round(450 - static_cast<double>(a) * 180 / std::numbers::pi));
    if (hue < 0)
        hue += HueMax;
    else if (hue > HueMax)
        hue -= HueMax;

    const std::int64_t n = Round(std::sqrt(dx * dx + dy * dy));
    const int saturation = n >= c ? ChannelMax : MulDiv(static_cast<int>(n), ChannelMax, c);

    PictureSliderWrites writes;
    writes.hue = SliderWrite(hue, HueMax);
    writes.saturation = SliderWrite(saturation, ChannelMax);
    writes.updateColorSource = WheelChangeSource;
    return writes;
}

PictureSliderWrites SaturationValueFromPoint(int x, int y, int pictureHeight)
{
    const double h = pictureHeight;
    PictureSliderWrites writes;
    writes.saturation = SliderWrite(RoundToDouble(x * 255.0 / h), ChannelMax);
    writes.value = SliderWrite(ChannelMax - RoundToDouble(y * 255.0 / h), ChannelMax);
    writes.updateColorSource = SquareOrRectangleChangeSource;
    return writes;
}

PictureSliderWrites HSVFromPoint(int x, int y, int pictureHeight)
{
    const int h = pictureHeight;
    if (x < 0 || x >= h || y < 0 || y >= h)
        return {};
    // A one-pixel picture has no span to divide: its pixel is the top-left
    // corner, white.
    const double span = h > 1 ? h - 1 : 1;
    const double t = y / span;

    PictureSliderWrites writes;
    writes.hue = SliderWrite(RoundToDouble(x * 360.0 / span), HueMax);
    if (t <= 0.5) {
        writes.saturation = SliderWrite(RoundToDouble(t * 510), ChannelMax);
        writes.value = ChannelMax;
    } else {
        writes.saturation = ChannelMax;
        writes.value = SliderWrite(RoundToDouble((1 - t) * 510), ChannelMax);
    }
    writes.updateColorSource = SquareOrRectangleChangeSource;
    return writes;
}

PictureSliderWrites PictureSliderWritesForPoint(DisplayMode displayMode, int x, int y, int pictureHeight)
{
    switch (displayMode) {
    case DisplayMode::ColorWheel: return HueSaturationFromPoint(x, y, pictureHeight);
    case DisplayMode::SVSquare: return SaturationValueFromPoint(x, y, pictureHeight);
    default: return HSVFromPoint(x, y, pictureHeight);
    }
}

} // namespace pigmentrix
