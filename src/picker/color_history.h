#pragma once

#include "model/color.h"

#include <array>

namespace pigmentrix {

// Ten-step undo and redo of the current colour, newest first. -1 marks an
// empty place; a real colour never is -1 because its top byte is 0.
class ColorHistory {
public:
    static constexpr int Depth = 10;
    static constexpr TColor Empty = -1;

    // Records current unless it is already the newest entry; drops the oldest
    // entry of a full history.
    void recordUndo(TColor current) { push(undo, current); }
    void recordRedo(TColor current) { push(redo, current); }

    // Removes and returns the newest entry; Empty when there is none.
    TColor popUndo() { return pop(undo); }
    TColor popRedo() { return pop(redo); }

    bool canUndo() const { return undo[0] != Empty; }
    bool canRedo() const { return redo[0] != Empty; }

    const std::array<TColor, Depth> &undoEntries() const { return undo; }
    const std::array<TColor, Depth> &redoEntries() const { return redo; }

private:
    using Entries = std::array<TColor, Depth>;
    static void push(Entries &entries, TColor current);
    static TColor pop(Entries &entries);

    Entries undo = filledEmpty();
    Entries redo = filledEmpty();

    static constexpr Entries filledEmpty()
    {
        Entries entries{};
        entries.fill(Empty);
        return entries;
    }
};

} // namespace pigmentrix
