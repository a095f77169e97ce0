#pragma once

#include "model/color.h"
#include "storage/settings_store.h"

#include <array>
#include <string>
#include <string_view>

namespace pigmentrix {

enum FontStyleFlag : unsigned {
    fsBold = 1,
    fsItalic = 2,
    fsUnderline = 4,
    fsStrikeOut = 8,
};

inline constexpr std::array<std::string_view, 4> FontStyleNames = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
inline constexpr std::array<std::string_view, 3> FontPitchNames = {"fpDefault", "fpVariable", "fpFixed"};
inline constexpr std::array<std::string_view, 7> FontQualityNames = {
    "fqDefault", "fqDraft", "fqProof", "fqNonAntialiased", "fqAntialiased", "fqClearType", "fqClearTypeNatural"};

// The stored properties of the colour frame's font, as the group
// "pnlColor_Font" holds them.
struct FontSettings {
    int charset = 1; // DEFAULT_CHARSET
    TColor color = 0;
    int height = 0; // negative: character height in pixels
    std::string name;
    int orientation = 0;
    int pitch = 0; // index into FontPitchNames
    int size = 0; // points
    unsigned style = 0; // FontStyleFlag bits
    int quality = 0; // index into FontQualityNames

    friend bool operator==(const FontSettings &, const FontSettings &) = default;
};

// "Segoe UI", 13-pixel bold characters in the window text colour.
const FontSettings &DefaultFrameFont();

// Writes the members in the group's order: "Charset", "Color", "Height",
// "Name", "Orientation", "Pitch", "Size", the "Style" set, "Quality".
void WriteFont(SettingsStore &store, std::string_view group, const FontSettings &font);

// current with every member the store holds in a readable form replaced.
FontSettings ReadFont(const SettingsStore &store, std::string_view group, const FontSettings &current);

// Whether the store holds any member of the group.
bool HasFont(const SettingsStore &store, std::string_view group);

} // namespace pigmentrix
