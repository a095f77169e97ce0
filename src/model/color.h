#pragma once

#include <cstdint>

namespace pigmentrix {

// A colour value: 0 or more is a direct colour laid out as $00BBGGRR (red in
// the low byte); a negative value names a system colour by its low byte.
using TColor = std::int32_t;

inline constexpr TColor clBlack = 0;
inline constexpr TColor clWhite = 0x00FFFFFF;

constexpr int RedOf(TColor c)
{
    return c & 0xFF;
}
constexpr int GreenOf(TColor c)
{
    return (c >> 8) & 0xFF;
}
constexpr int BlueOf(TColor c)
{
    return (c >> 16) & 0xFF;
}

// Every channel contributes its low 8 bits only: 300 contributes 44, -1 255.
constexpr TColor ComposeColor(int r, int g, int b)
{
    return static_cast<TColor>((static_cast<std::uint32_t>(r) & 0xFFu) | ((static_cast<std::uint32_t>(g) & 0xFFu) << 8)
                               | ((static_cast<std::uint32_t>(b) & 0xFFu) << 16));
}

} // namespace pigmentrix
