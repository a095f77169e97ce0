#pragma once

#include "color.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace pigmentrix {

// One named colour. Names are UTF-16 so that ordering by name compares code
// units; they point into constant data that lives for the whole run, so
// copies of a record are cheap and never dangle.
struct RColor {
    std::u16string_view Name;
    TColor Value = clBlack;
    friend bool operator==(const RColor &, const RColor &) = default;
};

inline constexpr int NamedColorCount = 1569;
inline constexpr int HTMLColorCount = 139;

// The general table and the HTML/CSS table, in their fixed row order.
extern const std::array<RColor, NamedColorCount> NamedColors;
extern const std::array<RColor, HTMLColorCount> HTMLColors;

// The table the named-colour list shows.
std::span<const RColor> ColorTable(bool htmlOnly);

// The name as UTF-8, for printing.
std::string NameToUtf8(std::u16string_view name);

} // namespace pigmentrix
