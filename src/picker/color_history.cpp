#include "picker/color_history.h"

#include <algorithm>

namespace pigmentrix {

void ColorHistory::push(Entries &entries, HistoryEntry current)
{
    if (entries[0] == current)
        return;
    std::copy_backward(entries.begin(), entries.end() - 1, entries.end());
    entries[0] = current;
}

HistoryEntry ColorHistory::pop(Entries &entries)
{
    const HistoryEntry newest = entries[0];
    if (newest.color == Empty)
        return newest;
    std::copy(entries.begin() + 1, entries.end(), entries.begin());
    entries.back() = HistoryEntry{};
    return newest;
}

} // namespace pigmentrix
