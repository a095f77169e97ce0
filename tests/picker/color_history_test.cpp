#include "picker/color_history.h"

#include <gtest/gtest.h>

namespace pigmentrix {
namespace {

TEST(ColorHistory, KeepsTheTenNewestColours)
{
    ColorHistory history;
    for (TColor c = 1; c <= 11; ++c)
        history.recordUndo(c);
    for (TColor expected = 11; expected >= 2; --expected)
        EXPECT_EQ(history.popUndo(), expected);
    EXPECT_FALSE(history.canUndo());
    EXPECT_EQ(history.popUndo(), ColorHistory::Empty);
}

TEST(ColorHistory, RecordsARepeatedColourOnce)
{
    ColorHistory history;
    history.recordUndo(5);
    history.recordUndo(5);
    EXPECT_EQ(history.popUndo(), 5);
    EXPECT_FALSE(history.canUndo());
}

TEST(ColorHistory, UndoAndRedoAreIndependent)
{
    ColorHistory history;
    history.recordUndo(1);
    EXPECT_TRUE(history.canUndo());
    EXPECT_FALSE(history.canRedo());
    history.recordRedo(2);
    EXPECT_EQ(history.popUndo(), 1);
    EXPECT_TRUE(history.canRedo());
    EXPECT_EQ(history.popRedo(), 2);
    EXPECT_FALSE(history.canRedo());
}

} // namespace
} // namespace pigmentrix
