#include "picker/color_history.h"

#include <gtest/gtest.h>

namespace pigmentrix {
namespace {

TEST(ColorHistory, KeepsTheTenNewestColours)
{
    ColorHistory history;
    for (TColor c = 1; c <= 11; ++c)
        history.recordUndo({c, 255});
    for (TColor expected = 11; expected >= 2; --expected)
        EXPECT_EQ(history.popUndo().color, expected);
    EXPECT_FALSE(history.canUndo());
    EXPECT_EQ(history.popUndo().color, ColorHistory::Empty);
}

TEST(ColorHistory, RecordsARepeatedEntryOnce)
{
    ColorHistory history;
    history.recordUndo({5, 255});
    history.recordUndo({5, 255});
    // The same colour at another alpha is another entry.
    history.recordUndo({5, 128});
    EXPECT_EQ(history.popUndo(), (HistoryEntry{5, 128}));
    EXPECT_EQ(history.popUndo(), (HistoryEntry{5, 255}));
    EXPECT_FALSE(history.canUndo());
}

TEST(ColorHistory, UndoAndRedoAreIndependent)
{
    ColorHistory history;
    history.recordUndo({1, 255});
    EXPECT_TRUE(history.canUndo());
    EXPECT_FALSE(history.canRedo());
    history.recordRedo({2, 7});
    EXPECT_EQ(history.popUndo().color, 1);
    EXPECT_TRUE(history.canRedo());
    EXPECT_EQ(history.popRedo(), (HistoryEntry{2, 7}));
    EXPECT_FALSE(history.canRedo());
}

} // namespace
} // namespace pigmentrix
