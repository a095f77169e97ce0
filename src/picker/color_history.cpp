#include "picker/color_history.h"

#include <algorithm>

namespace pigmentrix {

void ColorHistory::push(Entries &entries, TColor current)
{
    if (entries[0] == current)
        return;
    std::copy_backward(entries.begin(), entries.end() - 1, entries.end());
    entries[0] = current;
}

TColor ColorHistory::pop(Entries &entries)
{
    const TColor newest = entries[0];
    if (newest == Empty)
        return Empty;
    std::copy(entries.begin() + 1, entries.end(), entries.begin());
    entries.back() = Empty;
    return newest;
}

} // namespace pigmentrix
