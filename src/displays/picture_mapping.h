#pragma once

#include "model/color.h"
#include "model/view_choices.h"

#include <QPoint>
#include <QSize>

#include <optional>

namespace pigmentrix {

// The positions of the hue (0..360), saturation and value (0..255) sliders.
struct HsvPosition {
    int hue = 0;
    int saturation = 0;
    int value = 0;
    friend bool operator==(const HsvPosition &, const HsvPosition &) = default;
};

inline constexpr int WheelChangeSource = 5;
inline constexpr int SquareOrRectangleChangeSource = 9;

// What one press or drag movement on the HSV picture does: the sliders'
// new positions, the colour the picture shows there, and the change source
// to run the update pipeline with (5 for the wheel, 9 for the square and the
// rectangle).
struct PicturePick {
    HsvPosition sliders;
    TColor color = 0;
    int updateColorSource = WheelChangeSource;
    friend bool operator==(const PicturePick &, const PicturePick &) = default;
};

// The pick at pixel, a pixel of the picture as built for the screen (device
// pixels, so that a pointer takes the very pixel under it at any scale) of a
// picture of size pixels; while the button is held the pixel may lie outside
// the picture. now is where the sliders stand. Each chart gives the hue,
// saturation and value its pixel there is drawn with, and its colour, by the
// builders' own formulas (hsv_pictures.h): a click takes the colour under the
// pointer. The wheel's anti-aliased rim gives its unblended colour, and a
// point beyond the disc full saturation in its direction; beyond the
// square's edges a slider keeps its position along the axis that left the
// chart; points beyond the rectangle's chart do nothing (nullopt).
std::optional<PicturePick> PickFromPicture(DisplayMode displayMode, QPoint pixel, QSize size, HsvPosition now);

} // namespace pigmentrix
