#pragma once

#include "storage/swatch_palette.h"

#include <filesystem>
#include <optional>
#include <string>

namespace pigmentrix {

enum class PaletteFormat {
    Pigmentrix, // .plt, the sixteen slots
    Gimp, // .gpl
    SwatchExchange, // .ase
    CssProperties, // .css, written only
};

// The format a file's extension names, in any letter case; nullopt for any
// other extension or none.
std::optional<PaletteFormat> PaletteFormatOfName(const std::filesystem::path &path);

// Whether palettes of the format can be read as a list of named colours
// (GIMP palettes and swatch exchange files).
bool HoldsSwatches(PaletteFormat format);

// Reads a GIMP palette or a swatch exchange file. The error names the file
// and says what is wrong with it, or is the "Cannot open file ..." message;
// a file without any colour is refused too, since it has nothing to give,
// and so is a CSS file, which is only written.
SwatchReadResult LoadSwatchFile(const std::filesystem::path &path, PaletteFormat format);

// Writes the palette in the format, atomically. A GIMP palette without a
// name of its own is named after the file; a Pigmentrix palette takes the
// first sixteen colours over the slots of a fresh start. Returns the "Cannot create file ..." message on failure.
std::optional<std::string> SaveSwatchFile(const std::filesystem::path &path, PaletteFormat format,
                                          SwatchPalette palette);

} // namespace pigmentrix
