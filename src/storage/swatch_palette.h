#pragma once

#include "model/color.h"

#include <optional>
#include <string>
#include <vector>

namespace pigmentrix {

// One colour of a palette as drawing programs keep them, with the name it
// goes by there (UTF-8; empty when it has none).
struct Swatch {
    TColor color = clBlack;
    std::string name;
    friend bool operator==(const Swatch &, const Swatch &) = default;
};

// A palette of any length, as GIMP palettes and Adobe swatch exchange files
// hold them.
struct SwatchPalette {
    std::string name; // the palette's own name, where its file gives one
    int columns = 0; // how many columns GIMP shows it in; 0 lets GIMP choose
    std::vector<Swatch> swatches;
    friend bool operator==(const SwatchPalette &, const SwatchPalette &) = default;
};

// Either the palette read or what is wrong with the file.
struct SwatchReadResult {
    std::optional<SwatchPalette> palette;
    std::string error;
};

} // namespace pigmentrix
