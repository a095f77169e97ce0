#pragma once

#include "model/named_colors.h"

#include <span>
#include <string>
#include <string_view>

namespace pigmentrix {

// Where slot k (0-based, row by row) sits in the palette panel: two rows of
// eight 22-pixel squares, 26 pixels apart.
struct SlotPlace {
    int left = 0;
    int top = 0;
    friend bool operator==(const SlotPlace &, const SlotPlace &) = default;
};
inline constexpr int PaletteSlotSize = 22;
SlotPlace PaletteSlotPlace(int slot);

// The slot (0-based) an arrow key moves to from slot: columns and rows are
// the steps across (-1 left, +1 right) and down (-1 up, +1 down). At an edge
// of the two rows of eight the slot stays where it is.
int SlotNeighbour(int slot, int columns, int rows);

// A slot's hint: its colour code, and on a second line the colour's own
// name (the one its palette file gave it) or else the name of the first
// entry (in the list's present order) that has exactly this colour. Without
// a code (no notation chosen) the name stands alone.
std::string SlotHint(std::string_view code, std::span<const RColor> entries, TColor color,
                     std::string_view ownName = {});

// What the user is told when a palette file has more colours than there are
// slots: how many it has and how many were left out.
std::string LeftOutMessage(std::string_view paletteName, std::size_t colorCount);

} // namespace pigmentrix
