#pragma once

#include "model/color.h"
#include "model/css_color_space.h"

namespace pigmentrix {

// Whether every sRGB component lies in 0..1.
bool InSrgbGamut(const Triple &srgb);

// An sRGB colour whose components may lie outside 0..1 brought into the sRGB
// gamut the way browsers do it: chroma is reduced in OKLCH at constant
// lightness and hue until clipping the colour changes it by less than a
// just-noticeable difference (deltaEOK 0.02). Colours in gamut come back
// unchanged.
Triple MapIntoSrgbGamut(const Triple &srgb);
// The same for a colour given in OKLab, whose lightness then decides exactly
// whether it is white or black.
Triple MapOklabIntoSrgbGamut(const Triple &oklab);

// The 8-bit colour of srgb: gamut mapped, then each channel rounded half up
// (127.5 gives 128).
TColor ToSrgbColor(const Triple &srgb);
TColor OklabToSrgbColor(const Triple &oklab);

} // namespace pigmentrix
