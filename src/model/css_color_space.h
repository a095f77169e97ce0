#pragma once

#include <array>

namespace pigmentrix {

// Three components of a colour in one colour space, in the order the space's
// CSS function lists them.
using Triple = std::array<double, 3>;

// The sRGB transfer function, extended to values outside 0..1 by reflection.
double SrgbToLinear(double encoded);
double LinearToSrgb(double linear);

Triple SrgbToXyzD65(const Triple &srgb);
Triple XyzD65ToSrgb(const Triple &xyz);
Triple XyzD65ToD50(const Triple &xyz);
Triple XyzD50ToD65(const Triple &xyz);

// CIE Lab relative to D50: L 0..100.
Triple XyzD50ToLab(const Triple &xyz);
Triple LabToXyzD50(const Triple &lab);

// OKLab: L 0..1.
Triple XyzD65ToOklab(const Triple &xyz);
Triple OklabToXyzD65(const Triple &oklab);

// Rectangular a, b to chroma and hue in degrees 0..360 and back; the same for
// Lab/LCH and OKLab/OKLCH.
Triple RectangularToPolar(const Triple &lab);
Triple PolarToRectangular(const Triple &lch);

Triple SrgbToOklab(const Triple &srgb);
Triple OklabToSrgb(const Triple &oklab);
Triple SrgbToLab(const Triple &srgb);
Triple LabToSrgb(const Triple &lab);

// Hue in degrees, saturation and lightness (whiteness, blackness) in percent.
Triple SrgbToHsl(const Triple &srgb);
Triple HslToSrgb(const Triple &hsl);
Triple SrgbToHwb(const Triple &srgb);
Triple HwbToSrgb(const Triple &hwb);

// The predefined spaces of color().
enum class PredefinedSpace { Srgb, SrgbLinear, DisplayP3, A98Rgb, ProphotoRgb, Rec2020, XyzD50, XyzD65 };

Triple PredefinedToXyzD65(PredefinedSpace space, const Triple &components);

// A hue in degrees brought into 0..360.
double NormalizeHue(double degrees);

} // namespace pigmentrix
