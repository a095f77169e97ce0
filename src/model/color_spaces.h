#pragma once

#include "color.h"

namespace pigmentrix {

// Colours that other programs give in other colour models, as the nearest
// 8-bit sRGB colour. Values outside a model's range are taken as its nearest
// end, and a colour outside the sRGB gamut has each channel clipped.

// Red, green and blue as fractions 0..1 of sRGB.
TColor ColorFromRGBFractions(double red, double green, double blue);

// Cyan, magenta, yellow and black as fractions 0..1 of ink, without a
// printing profile: each ink takes its share of the light away.
TColor ColorFromCMYKFractions(double cyan, double magenta, double yellow, double black);

// CIE L*a*b* under the D50 white of print work: lightness 0..100, a* and b*
// about -128..127.
TColor ColorFromLab(double lightness, double a, double b);

// A grey level from 0 (black) to 1 (white).
TColor ColorFromGrayFraction(double level);

} // namespace pigmentrix
