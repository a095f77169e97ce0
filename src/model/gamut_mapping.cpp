#include "model/gamut_mapping.h"

#include <algorithm>
#include <cmath>

namespace pigmentrix {
namespace {

constexpr double JustNoticeable = 0.02;
constexpr double ChromaPrecision = 0.0001;

Triple Clip(const Triple &srgb)
{
    return {std::clamp(srgb[0], 0.0, 1.0), std::clamp(srgb[1], 0.0, 1.0), std::clamp(srgb[2], 0.0, 1.0)};
}

double DeltaEOK(const Triple &oklab1, const Triple &oklab2)
{
    return std::sqrt((oklab1[0] - oklab2[0]) * (oklab1[0] - oklab2[0])
                     + (oklab1[1] - oklab2[1]) * (oklab1[1] - oklab2[1])
                     + (oklab1[2] - oklab2[2]) * (oklab1[2] - oklab2[2]));
}

// How far clipping moves the colour of oklch, and the clipped sRGB colour.
struct Clipped {
    Triple srgb;
    double distance;
};

Clipped ClipOklch(const Triple &oklch)
{
    const Triple oklab = PolarToRectangular(oklch);
    const Triple clipped = Clip(OklabToSrgb(oklab));
    return {clipped, DeltaEOK(SrgbToOklab(clipped), oklab)};
}

int ToChannel(double encoded)
{
    return static_cast<int>(std::floor(std::clamp(encoded, 0.0, 1.0) * 255 + 0.5));
}

bool InGamut(const Triple &srgb)
{
    return std::all_of(srgb.begin(), srgb.end(), [](double c) { return c >= 0 && c <= 1; });
}

// srgb is the colour, oklab the same colour as it was given.
Triple MapIntoGamut(const Triple &srgb, const Triple &oklab)
{
    if (InGamut(srgb))
        return srgb;
    Triple current = RectangularToPolar(oklab);
    // NaN fails both tests and ends up black, as a colour of no sensible value should.
    if (current[0] >= 1)
        return {1, 1, 1};
    if (!(current[0] > 0))
        return {0, 0, 0};
    Clipped clipped = ClipOklch(current);
    if (clipped.distance < JustNoticeable)
        return clipped.srgb;
    double min = 0;
    double max = current[1];
    bool minInGamut = true;
    while (max - min > ChromaPrecision) {
        current[1] = (min + max) / 2;
        if (minInGamut && InGamut(OklabToSrgb(PolarToRectangular(current)))) {
            min = current[1];
            continue;
        }
        clipped = ClipOklch(current);
        if (clipped.distance < JustNoticeable) {
            if (JustNoticeable - clipped.distance < ChromaPrecision)
                return clipped.srgb;
            minInGamut = false;
            min = current[1];
        } else {
            max = current[1];
        }
    }
    return clipped.srgb;
}

TColor Quantized(const Triple &srgb)
{
    return ComposeColor(ToChannel(srgb[0]), ToChannel(srgb[1]), ToChannel(srgb[2]));
}

} // namespace

bool InSrgbGamut(const Triple &srgb)
{
    return InGamut(srgb);
}

Triple MapIntoSrgbGamut(const Triple &srgb)
{
    return InSrgbGamut(srgb) ? srgb : MapIntoGamut(srgb, SrgbToOklab(srgb));
}

Triple MapOklabIntoSrgbGamut(const Triple &oklab)
{
    return MapIntoGamut(OklabToSrgb(oklab), oklab);
}

TColor ToSrgbColor(const Triple &srgb)
{
    return Quantized(MapIntoSrgbGamut(srgb));
}

TColor OklabToSrgbColor(const Triple &oklab)
{
    return Quantized(MapOklabIntoSrgbGamut(oklab));
}

} // namespace pigmentrix
