#pragma once

#include "model/color.h"

#include <array>

namespace pigmentrix {

// A colour the history brings back, with the alpha it had.
struct HistoryEntry {
    TColor color = -1;
    int alpha = 255;
    friend bool operator==(const HistoryEntry &, const HistoryEntry &) = default;
};

// Ten-step undo and redo of the current colour and its alpha, newest first.
// A colour of -1 marks an empty place; a real colour never is -1 because its
// top byte is 0.
class ColorHistory {
public:
    static constexpr int Depth = 10;
    static constexpr TColor Empty = -1;

    // Records current unless it is already the newest entry; drops the oldest
    // entry of a full history.
    void recordUndo(HistoryEntry current) { push(undo, current); }
    void recordRedo(HistoryEntry current) { push(redo, current); }

    // Removes and returns the newest entry; one of colour Empty when there is
    // none.
    HistoryEntry popUndo() { return pop(undo); }
    HistoryEntry popRedo() { return pop(redo); }

    bool canUndo() const { return undo[0].color != Empty; }
    bool canRedo() const { return redo[0].color != Empty; }

    const std::array<HistoryEntry, Depth> &undoEntries() const { return undo; }
    const std::array<HistoryEntry, Depth> &redoEntries() const { return redo; }

private:
    using Entries = std::array<HistoryEntry, Depth>;
    static void push(Entries &entries, HistoryEntry current);
    static HistoryEntry pop(Entries &entries);

    Entries undo{};
    Entries redo{};
};

} // namespace pigmentrix
