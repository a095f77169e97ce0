#pragma once

#include "color.h"
#include "conversions.h"
#include "named_colors.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace pigmentrix {

// Orders of the named-colour list. The numbers are the codes the sort menu
// items carry and the settings store; a stored code outside these names is
// kept as it is (the type holds any 64-bit value) and orders by channel sum.
enum class SortOrder : std::int64_t {
    Name = 0,
    Hue = 1,
    Saturation = 2,
    Value = 3,
    Red = 4,
    Green = 5,
    Blue = 6,
    Brightness = 7,
    Similarity = 8,
};

using TRColorArray = std::vector<RColor>;

// Negative when a goes before b. Hue, saturation and value compare rounded
// HSV keys only; every other order (an unknown code included) breaks its ties
// by ascending channel sum. reference is the colour similarity is measured to.
std::int64_t CompareNamedColors(const RColor &a, const RColor &b, SortOrder order, RGBValues reference);

// Sorts in place with the list's own quicksort. It is not stable, and on
// purpose: entries that compare equal end in the order this exact procedure
// leaves them, which users see in the list.
void SortNamedColors(std::span<RColor> colors, SortOrder order, RGBValues reference);

// A sorted copy of the general table, or of the HTML table when htmlOnly.
TRColorArray BuildNamedColorList(bool htmlOnly, SortOrder order, RGBValues reference);

// The index of the entry nearest to current (Euclidean in RGB); the first
// entry in list order wins a tie. Only entries nearer than 255.0 count; when
// none does, selectedIndex comes back unchanged (it may be -1).
int FindClosestColor(std::span<const RColor> entries, RGBValues current, int selectedIndex);

// The entry to select when the current colour becomes color: the selected one
// if it already has that value, else the first with it, else -1.
int SelectionForColor(std::span<const RColor> entries, int selectedIndex, TColor color);

// The entry to select after a rebuild: the last one with the value that was
// selected before, or -1 (also when nothing was selected).
int SelectionAfterSort(std::span<const RColor> entries, std::optional<TColor> rememberedValue);

// The named colour nearest to color in the list sorted by name; empty only
// if no entry is nearer than 255.0, which the built-in tables rule out.
std::optional<RColor> ClosestNamedColor(TColor color, bool htmlOnly);

} // namespace pigmentrix
