#pragma once

namespace pigmentrix {

// Hues of a pixel of the colour wheel and of its mirror image across the
// vertical axis through the centre.
struct MirroredHues {
    int left; // the pixel adx columns left of the centre (dx = adx)
    int right; // the pixel adx columns right of the centre (dx = -adx)
    friend bool operator==(const MirroredHues &, const MirroredHues &) = default;
};

// The wheel's hue by its definition: round((a / pi + 1) * 180) with
// a = arctan2(dx, dy) in single precision, for dx = adx and dx = -adx (the
// single-precision arctan2 is odd in its first argument).
MirroredHues WheelHuesByArctan(int adx, int dy);

// The same hues along one row of the wheel (fixed dy) for adx = 0, 1, 2, ...,
// without an arctangent per pixel: along a row the angle moves one way only,
// so the row keeps track of the hue step it is in by comparing the pixel's
// direction with the directions where the rounded hue changes. A pixel whose
// direction lies so close to such a change that single-precision rounding
// might decide it takes its hues from WheelHuesByArctan, so the result always
// equals the definition.
class WheelRowHues {
public:
    explicit WheelRowHues(int dy);

    // adx must not decrease from one call to the next; squaredDistance is
    // adx² + dy².
    MirroredHues At(int adx, long long squaredDistance);

private:
    int dy_;
    // The pixel's angle a (0 straight below the centre, pi straight above)
    // lies between the hue changes step_ - 1 and step_: the pixel's hue is
    // 180 + step_ and its mirror's 180 - step_.
    int step_;
};

} // namespace pigmentrix
