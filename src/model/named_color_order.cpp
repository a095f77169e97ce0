#include "named_color_order.h"

#include "rounding.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <utility>

namespace pigmentrix {

namespace {

enum class Rule { Name, HSVKeys, ChannelKey, SumOnly };

Rule RuleOf(SortOrder order)
{
    switch (order) {
    case SortOrder::Name: return Rule::Name;
    case SortOrder::Hue:
    case SortOrder::Saturation:
    case SortOrder::Value: return Rule::HSVKeys;
    case SortOrder::Red:
    case SortOrder::Green:
    case SortOrder::Blue:
    case SortOrder::Brightness:
    case SortOrder::Similarity: return Rule::ChannelKey;
    default: return Rule::SumOnly;
    }
}

// An entry with its sort keys worked out once, so that the HSV conversion
// runs once per entry rather than once per comparison.
struct KeyedColor {
    RColor color;
    std::array<std::int64_t, 3> keys{};
    std::int64_t sum = 0;
};

std::int64_t SquaredDistance(int r, int g, int b, RGBValues reference)
{
    const std::int64_t dr = r - reference.R;
    const std::int64_t dg = g - reference.G;
    const std::int64_t db = b - reference.B;
    return dr * dr + dg * dg + db * db;
}

KeyedColor WithKeys(const RColor &color, SortOrder order, RGBValues reference)
{
    const int r = RedOf(color.Value);
    const int g = GreenOf(color.Value);
    const int b = BlueOf(color.Value);
    KeyedColor keyed{color};
    keyed.sum = r + g + b;
    if (RuleOf(order) == Rule::HSVKeys) {
        const HSVValues hsv = RGBtoHSV(r, g, b);
        const std::int64_t h = Round(hsv.H);
        const std::int64_t s = Round(hsv.S);
        const std::int64_t v = Round(hsv.V);
        if (order == SortOrder::Hue)
            keyed.keys = {h, s, v};
        else if (order == SortOrder::Saturation)
            keyed.keys = {s, h, v};
        else
            keyed.keys = {v, s, h};
    } else if (order == SortOrder::Red) {
        keyed.keys[0] = -r; // descending
    } else if (order == SortOrder::Green) {
        keyed.keys[0] = -g;
    } else if (order == SortOrder::Blue) {
        keyed.keys[0] = -b;
    } else if (order == SortOrder::Brightness) {
        keyed.keys[0] = -keyed.sum;
    } else if (order == SortOrder::Similarity) {
        keyed.keys[0] = SquaredDistance(r, g, b, reference);
    }
    return keyed;
}

std::int64_t CompareKeyed(const KeyedColor &a, const KeyedColor &b, Rule rule)
{
    std::int64_t result = 0;
    switch (rule) {
    case Rule::HSVKeys:
        for (std::size_t i = 0; i < a.keys.size() && result == 0; ++i)
            result = a.keys[i] - b.keys[i];
        return result;
    case Rule::Name: {
        const int byName = a.color.Name.compare(b.color.Name);
        result = byName > 0 ? 1 : (byName < 0 ? -1 : 0);
        break;
    }
    case Rule::ChannelKey: result = a.keys[0] - b.keys[0]; break;
    case Rule::SumOnly: break;
    }
    if (result == 0)
        result = a.sum - b.sum;
    return result;
}

// Recursive on the left part, iterative on the right; the pivot is tracked by
// index and follows its element through swaps.
template <class Compare>
void QuickSort(std::vector<KeyedColor> &a, std::ptrdiff_t l, std::ptrdiff_t r, const Compare &compare)
{
    std::ptrdiff_t i = 0;
    do {
        i = l;
        std::ptrdiff_t j = r;
        std::ptrdiff_t p = (l + r) / 2;
        do {
            while (compare(a[i], a[p]) < 0)
                ++i;
            while (compare(a[j], a[p]) > 0)
                --j;
            if (i <= j) {
                std::swap(a[i], a[j]);
                if (p == i)
                    p = j;
                else if (p == j)
                    p = i;
                ++i;
                --j;
            }
        } while (i <= j);
        if (l < j)
            QuickSort(a, l, j, compare);
        l = i;
    } while (i < r);
}

} // namespace

std::int64_t CompareNamedColors(const RColor &a, const RColor &b, SortOrder order, RGBValues reference)
{
    return CompareKeyed(WithKeys(a, order, reference), WithKeys(b, order, reference), RuleOf(order));
}

void SortNamedColors(std::span<RColor> colors, SortOrder order, RGBValues reference)
{
    if (colors.size() < 2)
        return;
    std::vector<KeyedColor> keyed;
    keyed.reserve(colors.size());
    for (const RColor &color : colors)
        keyed.push_back(WithKeys(color, order, reference));
    const Rule rule = RuleOf(order);
    QuickSort(keyed, 0, static_cast<std::ptrdiff_t>(keyed.size()) - 1,
              [rule](const KeyedColor &a, const KeyedColor &b) { return CompareKeyed(a, b, rule); });
    for (std::size_t i = 0; i < colors.size(); ++i)
        colors[i] = keyed[i].color;
}

TRColorArray BuildNamedColorList(bool htmlOnly, SortOrder order, RGBValues reference)
{
    const std::span<const RColor> table = ColorTable(htmlOnly);
    TRColorArray list(table.begin(), table.end());
    SortNamedColors(list, order, reference);
    return list;
}

int FindClosestColor(std::span<const RColor> entries, RGBValues current, int selectedIndex)
{
    int closest = selectedIndex;
    double best = 255.0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const TColor value = entries[i].Value;
        const double distance =
            std::sqrt(static_cast<double>(SquaredDistance(RedOf(value), GreenOf(value), BlueOf(value), current)));
        if (distance < best) {
            best = distance;
            closest = static_cast<int>(i);
        }
    }
    return closest;
}

int SelectionForColor(std::span<const RColor> entries, int selectedIndex, TColor color)
{
    if (selectedIndex >= 0 && static_cast<std::size_t>(selectedIndex) < entries.size()
        && entries[selectedIndex].Value == color)
        return selectedIndex;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].Value == color)
            return static_cast<int>(i);
    }
    return -1;
}

int SelectionAfterSort(std::span<const RColor> entries, std::optional<TColor> rememberedValue)
{
    if (!rememberedValue)
        return -1;
    for (std::size_t i = entries.size(); i-- > 0;) {
        if (entries[i].Value == *rememberedValue)
            return static_cast<int>(i);
    }
    return -1;
}

std::optional<RColor> ClosestNamedColor(TColor color, bool htmlOnly)
{
    const TRColorArray list = BuildNamedColorList(htmlOnly, SortOrder::Name, RGBValues{});
    const int index = FindClosestColor(list, RGBValues{RedOf(color), GreenOf(color), BlueOf(color)}, -1);
    if (index < 0)
        return std::nullopt;
    return list[static_cast<std::size_t>(index)];
}

} // namespace pigmentrix
