#pragma once

#include "model/color.h"

#include <string_view>

namespace pigmentrix {

class CodeWriter;

// A colour read from CSS: its sRGB colour and alpha 0..255.
struct CssColor {
    TColor color = clBlack;
    int alpha = 255;
    friend bool operator==(const CssColor &, const CssColor &) = default;
};

// Whether notation index is one of the CSS function notations.
bool IsCssNotation(int index);

// color in the CSS notation index; alpha enters as "/ a" when it is not 255.
void WriteCssColor(CodeWriter &code, TColor color, int index, int alpha);

// Any CSS colour: named colours, "transparent", hex forms, rgb(), rgba(),
// hsl(), hsla(), hwb(), lab(), lch(), oklab(), oklch() and color() with a
// predefined space, in any letter case with blanks around. Colours outside
// sRGB are gamut mapped. Throws ConvertError for anything else, calc(),
// relative colours and color-mix() included.
CssColor ReadCssColor(std::string_view text);

} // namespace pigmentrix
