#include "storage/palette_slots.h"

#include "storage/palette_file.h"

#include <algorithm>

namespace pigmentrix {

namespace {

constexpr int SlotsPerRow = 8;
constexpr int SlotRows = 2;

} // namespace

SlotPlace PaletteSlotPlace(int slot)
{
    return {97 + 26 * (slot % SlotsPerRow), slot < SlotsPerRow ? 3 : 28};
}

int SlotNeighbour(int slot, int columns, int rows)
{
    const int column = slot % SlotsPerRow + columns;
    const int row = slot / SlotsPerRow + rows;
    if (column < 0 || column >= SlotsPerRow || row < 0 || row >= SlotRows)
        return slot;
    return row * SlotsPerRow + column;
}

std::string SlotHint(std::string_view code, std::span<const RColor> entries, TColor color, std::string_view ownName)
{
    std::string name(ownName);
    if (name.empty()) {
        const auto named =
            std::find_if(entries.begin(), entries.end(), [color](const RColor &entry) { return entry.Value == color; });
        if (named != entries.end())
            name = NameToUtf8(named->Name);
    }
    std::string hint(code);
    if (!name.empty())
        hint += (hint.empty() ? "" : "\n") + name;
    return hint;
}

std::string LeftOutMessage(std::string_view paletteName, std::size_t colorCount)
{
    const std::size_t leftOut = colorCount - PaletteSlotCount;
    return "The palette \"" + std::string(paletteName) + "\" has " + std::to_string(colorCount) + " colors. The first "
           + std::to_string(PaletteSlotCount) + " are now in the palette slots; "
           + (leftOut == 1 ? "the last one was" : "the other " + std::to_string(leftOut) + " were") + " left out.";
}

} // namespace pigmentrix
