#pragma once

#include "displays/display_mode.h"

#include <optional>

namespace pigmentrix {

// What one mouse event in the HSV picture does to the hue, saturation and
// value sliders. A channel that is empty keeps its slider's position: either
// the mapping does not touch it, or the number it computed lies outside the
// slider's range (hue 0..360, saturation and value 0..255), a write the slider
// ignores rather than clamps. Present values are always in range.
// updateColorSource is the change source to run the update pipeline with
// afterwards (5 for the wheel, 9 for the square and the rectangle); when it is
// empty the event does nothing at all.
struct PictureSliderWrites {
    std::optional<int> hue;
    std::optional<int> saturation;
    std::optional<int> value;
    std::optional<int> updateColorSource;
    friend bool operator==(const PictureSliderWrites &, const PictureSliderWrites &) = default;
};

inline constexpr int WheelChangeSource = 5;
inline constexpr int SquareOrRectangleChangeSource = 9;

// x and y are the pointer's position in the picture's logical pixels (the
// pixel under the pointer, so fractional positions are floored); while the
// button is held they may lie outside the picture. pictureHeight is the
// picture's height in the same pixels, taken afresh at every event.

// Colour wheel: hue from the direction round the centre (c, c), c =
// pictureHeight / 2, and saturation from the distance, 255 from c outwards.
// The value is not touched.
PictureSliderWrites HueSaturationFromPoint(int x, int y, int pictureHeight);

// SV square: saturation from x, value from y (255 at the top). Beyond the
// picture's edges the numbers leave 0..255 and are dropped, so the sliders
// keep their last positions there.
PictureSliderWrites SaturationValueFromPoint(int x, int y, int pictureHeight);

// HSV rectangle: all three channels. Points outside the square of side
// pictureHeight (the width is tested against the height too) do nothing.
PictureSliderWrites HSVFromPoint(int x, int y, int pictureHeight);

// The mapping of displayMode: the wheel, the square, any other the
// rectangle.
PictureSliderWrites PictureSliderWritesForPoint(DisplayMode displayMode, int x, int y, int pictureHeight);

} // namespace pigmentrix
