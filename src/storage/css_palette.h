#pragma once

#include "storage/swatch_palette.h"

#include <string>

namespace pigmentrix {

// The palette as CSS custom properties on :root, one "--name: #rrggbb;" a
// colour, so a style sheet can use var(--name). A colour's name becomes the
// property's: lower case, with every run of other ASCII characters than
// letters and digits as one "-"; a colour without a usable name is
// "--color-<its place, from 1>". A name taken already gets "-2", "-3", ...
std::string FormatCssPalette(const SwatchPalette &palette);

} // namespace pigmentrix
