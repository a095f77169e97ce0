#pragma once

#include "storage/swatch_palette.h"

#include <string>
#include <string_view>

namespace pigmentrix {

// GIMP palettes (.gpl), as GIMP, Inkscape and Krita keep them: the line
// "GIMP Palette", optional "Name:" and "Columns:" lines, then one colour a
// line as red, green and blue from 0 to 255 and an optional name, separated
// by blanks. Lines starting with "#" are comments; lines end with LF or CR LF.

// The palette in the bytes, or what is wrong with them ("Line 4 is ...").
SwatchReadResult ParseGimpPalette(std::string_view bytes);

// The bytes GIMP itself writes for the palette: its header with the name and
// column count, a "#" line, then "%3d %3d %3d", a tab and the name.
std::string FormatGimpPalette(const SwatchPalette &palette);

} // namespace pigmentrix
