#pragma once

#include "model/color.h"

#include <array>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace pigmentrix {

// The sixteen palette slots, row by row, left to right (slot 1 at index 0).
inline constexpr int PaletteSlotCount = 16;
using Palette = std::array<TColor, PaletteSlotCount>;

// The slots' colours when nothing is stored.
inline constexpr Palette DesignPalette = {
    0x00424200, 0x00626200, 0x00726853, 0x00807F6E, 0x00968983, 0x0099A38D, 0x00D6EAF0, 0x00E6F5FD,
    0x0016CAF4, 0x002774F0, 0x00424CEB, 0x007B39CC, 0x00EB5794, 0x00E78C31, 0x00AAB220, 0x0078C850,
};

// Either the complete new palette or the message of the error that refused it.
struct PaletteLoadResult {
    std::optional<Palette> palette;
    std::string error;
    // Colours on the lines after the sixteenth, which no slot takes.
    int colorsLeftOut = 0;
};

// The bytes of a palette file: sixteen ASCII lines, each ended by CR LF.
std::string FormatPaletteFile(const Palette &palette);

// Reads the bytes of a palette file over current. Lines 1 to 6 must be
// colours; lines 7 to 16 are taken up to the first missing or unreadable one,
// and the slots after it keep their colours from current. On error nothing of
// current is taken over: the caller simply keeps its palette. The error names
// the line and quotes a short part of it ("Line 3 is not a color: ...").
PaletteLoadResult ParsePaletteText(std::string_view fileBytes, const Palette &current);

// ParsePaletteText on the file's contents, its error as "Cannot load palette
// "<path>". ..."; or "Cannot open file ..." when it cannot be read.
PaletteLoadResult LoadPaletteFile(const std::filesystem::path &path, const Palette &current);

// "Cannot load palette "<path>". <what>", with the absolute path.
std::string CannotLoadPaletteMessage(const std::filesystem::path &path, std::string_view what);

// Sixteen colour texts (identifiers or integers, as in a palette file) as a
// palette; the error names a text that is not a colour or a wrong count.
PaletteLoadResult PaletteFromColorTexts(std::span<const std::string> texts);

// Writes the palette atomically: an existing file is either replaced whole or
// left as it was. Returns the "Cannot create file ..." message on failure.
std::optional<std::string> SavePaletteFile(const std::filesystem::path &path, const Palette &palette);

// The name a palette goes by: the file name with its extension, no folder.
std::string PaletteNameOf(const std::filesystem::path &path);

// path with ".plt" appended when its file name has no extension.
std::filesystem::path WithPaletteExtension(const std::filesystem::path &path);

} // namespace pigmentrix
