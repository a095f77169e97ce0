#include "model/color_spaces.h"

#include <algorithm>
#include <cmath>

namespace pigmentrix {
namespace {

// Not-a-number counts as nothing of the channel.
int ChannelFromFraction(double fraction)
{
    if (!(fraction > 0.0))
        return 0;
    return static_cast<int>(std::lround(std::min(fraction, 1.0) * 255.0));
}

// Linear light to the sRGB transfer curve.
double Companded(double linear)
{
    linear = std::clamp(linear, 0.0, 1.0);
    return linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1.0 / 2.4) - 0.055;
}

// The inverse of the L*a*b* cube-root curve.
double LabInverse(double f)
{
    constexpr double Epsilon = 216.0 / 24389.0;
    constexpr double Kappa = 24389.0 / 27.0;
    const double cube = f * f * f;
    return cube > Epsilon ? cube : (116.0 * f - 16.0) / Kappa;
}

} // namespace

TColor ColorFromRGBFractions(double red, double green, double blue)
{
    return ComposeColor(ChannelFromFraction(red), ChannelFromFraction(green), ChannelFromFraction(blue));
}

TColor ColorFromCMYKFractions(double cyan, double magenta, double yellow, double black)
{
    const double light = 1.0 - std::clamp(black, 0.0, 1.0);
    return ColorFromRGBFractions((1.0 - std::clamp(cyan, 0.0, 1.0)) * light,
                                 (1.0 - std::clamp(magenta, 0.0, 1.0)) * light,
                                 (1.0 - std::clamp(yellow, 0.0, 1.0)) * light);
}

TColor ColorFromLab(double lightness, double a, double b)
{
    // The D50 white point, and XYZ under D50 to linear sRGB with the
    // Bradford adaptation to sRGB's D65 folded in.
    constexpr double WhiteX = 0.96422;
    constexpr double WhiteZ = 0.82521;
    const double fy = (lightness + 16.0) / 116.0;
    const double x = WhiteX * LabInverse(fy + a / 500.0);
    const double y = LabInverse(fy);
    const double z = WhiteZ * LabInverse(fy - b / 200.0);
    const double red = 3.1338561 * x - 1.6168667 * y - 0.4906146 * z;
    const double green = -0.9787684 * x + 1.9161415 * y + 0.0334540 * z;
    const double blue = 0.0719453 * x - 0.2289914 * y + 1.4052427 * z;
    return ColorFromRGBFractions(Companded(red), Companded(green), Companded(blue));
}

TColor ColorFromGrayFraction(double level)
{
    const int channel = ChannelFromFraction(level);
    return ComposeColor(channel, channel, channel);
}

} // namespace pigmentrix
