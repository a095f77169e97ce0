#include "displays/wheel_hues.h"

#include "model/rounding.h"

#include <array>
#include <cmath>
#include <numbers>

namespace pigmentrix {

namespace {

// The rounded hue 180 + k changes to 180 + k + 1 where the angle crosses
// pi * (k + 0.5) / 180, k = 0 .. 179.
constexpr int HueChanges = 180;

struct Direction {
    double sin;
    double cos;
};

const std::array<Direction, HueChanges> &HueChangeDirections()
{
    static const std::array<Direction, HueChanges> directions = [] {
        std::array<Direction, HueChanges> table{};
        for (int k = 0; k < HueChanges; ++k) {
            const double angle = std::numbers::pi * (k + 0.5) / 180;
            table[k] = {std::sin(angle), std::cos(angle)};
        }
        return table;
    }();
    return directions;
}

// d * sin(a - change angle) for the pixel (adx, dy): positive when the pixel's
// angle lies beyond the change.
double BeyondChange(int k, int adx, int dy)
{
    const Direction &change = HueChangeDirections()[k];
    return adx * change.cos - dy * change.sin;
}

// A single-precision arctangent lies within a few units in the last place
// (about 2.4e-7 near pi) of the true angle; pixels whose direction is farther
// than this from every hue change get the same rounded hue from the true angle
// as from the single-precision one. The margin is kept forty times wider.
constexpr double SafeAngle = 1e-5;

} // namespace

MirroredHues WheelHuesByArctan(int adx, int dy)
{
    const float a = std::atan2(static_cast<float>(adx), static_cast<float>(dy));
    const auto hueOf = [](float angle) { return static_cast<int>(Round((angle / std::numbers::pi + 1) * 180)); };
    // Straight above and below, the pixel is its own mirror (dx = 0, not -0).
    return {hueOf(a), adx == 0 ? hueOf(a) : hueOf(-a)};
}

WheelRowHues::WheelRowHues(int dy)
    : dy_(dy)
    , step_(dy < 0 ? HueChanges : 0)
{
}

MirroredHues WheelRowHues::At(int adx, long long squaredDistance)
{
    // Below the centre the angle grows from 0 towards pi/2 as adx grows;
    // above it falls from pi towards pi/2.
    if (dy_ >= 0) {
        while (step_ < HueChanges && BeyondChange(step_, adx, dy_) > 0)
            ++step_;
    } else {
        while (step_ > 0 && BeyondChange(step_ - 1, adx, dy_) < 0)
            --step_;
    }
    // |d sin(a - change angle)| <= SafeAngle d, squared on both sides.
    const double marginSquared = SafeAngle * SafeAngle * static_cast<double>(squaredDistance);
    const auto near = [&](int k) {
        const double beyond = BeyondChange(k, adx, dy_);
        return beyond * beyond <= marginSquared;
    };
    const bool nearChange = (step_ > 0 && near(step_ - 1)) || (step_ < HueChanges && near(step_));
    if (nearChange || adx == 0)
        return WheelHuesByArctan(adx, dy_);
    return {180 + step_, 180 - step_};
}

} // namespace pigmentrix
