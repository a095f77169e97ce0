#include "storage/palette_slots.h"

#include <algorithm>

namespace pigmentrix {

SlotPlace PaletteSlotPlace(int slot)
{
    constexpr int SlotsPerRow = 8;
    return {97 + 26 * (slot % SlotsPerRow), slot < SlotsPerRow ? 3 : 28};
}

std::string SlotHint(std::string_view code, std::span<const RColor> entries, TColor color)
{
    std::string hint(code);
    const auto named =
        std::find_if(entries.begin(), entries.end(), [color](const RColor &entry) { return entry.Value == color; });
    if (named != entries.end())
        hint += (hint.empty() ? "" : "\n") + NameToUtf8(named->Name);
    return hint;
}

} // namespace pigmentrix
