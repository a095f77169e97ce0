#pragma once

#include "model/color.h"

#include <optional>
#include <string>
#include <string_view>

namespace pigmentrix {

inline constexpr TColor SystemColorBase = static_cast<TColor>(0xFF000000u);
constexpr TColor SystemColor(int number)
{
    return SystemColorBase | number;
}

inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;
inline constexpr TColor clBtnFace = SystemColor(15);
inline constexpr TColor clWindowText = SystemColor(8);

// The identifier of color ("clBlack", "clBtnFace", ...) or nullopt when the
// colour has none.
std::optional<std::string_view> ColorToIdent(TColor color);

// The colour of an identifier, matched without regard to ASCII letter case.
std::optional<TColor> IdentToColor(std::string_view ident);

// A palette line or stored colour text: an identifier in any letter case, else
// an integer by the integer-text rules ("$FF000008", "16777215", " -1").
std::optional<TColor> ReadColorText(std::string_view text);

// Palette file form: the identifier, else "$" and eight upper-case hex digits.
std::string ColorToPaletteText(TColor color);

// Settings form: the identifier, else the value as decimal text.
std::string ColorToSettingText(TColor color);

} // namespace pigmentrix
