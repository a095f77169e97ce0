#pragma once

#include "storage/swatch_palette.h"

#include <string>
#include <string_view>

namespace pigmentrix {

// Adobe Swatch Exchange files (.ase): the mark "ASEF", version 1.0 and a
// count of blocks, all numbers big-endian. A block is a colour entry, the
// start or the end of a group; each gives its length, so blocks of kinds
// this reader does not know are passed over. A colour entry holds a UTF-16
// name, its colour model ("RGB ", "CMYK", "LAB " or "Gray") with that
// model's values as 32-bit floats, and whether it is global, spot or normal.

// The colours of every group in file order, as sRGB, or what is wrong with
// the bytes ("Block 3 ...").
SwatchReadResult ParseSwatchExchange(std::string_view bytes);

// The palette as RGB colour entries of the normal kind with their names, in
// no group.
std::string FormatSwatchExchange(const SwatchPalette &palette);

} // namespace pigmentrix
