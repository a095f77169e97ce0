#include "storage/palette_slots.h"

#include <gtest/gtest.h>

#include <vector>

namespace pigmentrix {
namespace {

TEST(PaletteSlotPlace, TwoRowsOfEightFromTheDesign)
{
    struct Row {
        int slot;
        SlotPlace place;
    };
    const std::vector<Row> rows = {
        {0, {97, 3}}, {1, {123, 3}}, {7, {279, 3}}, {8, {97, 28}}, {15, {279, 28}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.slot);
        EXPECT_EQ(PaletteSlotPlace(row.slot), row.place);
    }
}

TEST(SlotNeighbour, ArrowsMoveWithinTheTwoRowsAndStopAtTheirEdges)
{
    struct Row {
        int slot;
        int columns;
        int rows;
        int neighbour;
    };
    const std::vector<Row> rows = {
        {0, 1, 0, 1},  {1, -1, 0, 0},  {0, -1, 0, 0}, {7, 1, 0, 7},   {8, -1, 0, 8},
        {7, 0, 1, 15}, {15, 0, -1, 7}, {3, 0, -1, 3}, {12, 0, 1, 12}, {14, 1, 0, 15},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << row.slot << " by " << row.columns << ", " << row.rows);
        EXPECT_EQ(SlotNeighbour(row.slot, row.columns, row.rows), row.neighbour);
    }
}

TEST(SlotHint, NamesTheFirstEntryWithTheColourInThePresentOrder)
{
    const std::vector<RColor> byName = {{u"Alpha", 5}, {u"Beta", 7}, {u"Gamma", 5}};
    const std::vector<RColor> reversed(byName.rbegin(), byName.rend());
    struct Row {
        const char *what;
        std::span<const RColor> entries;
        TColor color;
        std::string hint;
    };
    const std::vector<Row> rows = {
        {"first of two entries", byName, 5, "code\nAlpha"},
        {"first of two in the other order", reversed, 5, "code\nGamma"},
        {"single entry", byName, 7, "code\nBeta"},
        {"no entry: the code alone", byName, 6, "code"},
        {"empty list", {}, 5, "code"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(SlotHint("code", row.entries, row.color), row.hint);
    }
    EXPECT_EQ(SlotHint("", byName, 7), "Beta") << "no notation: the name alone";
    EXPECT_EQ(SlotHint("", byName, 6), "");
}

TEST(SlotHint, TheColoursOwnNameComesBeforeTheList)
{
    const std::vector<RColor> entries = {{u"Alpha", 5}};
    EXPECT_EQ(SlotHint("code", entries, 5, "Harbour Blue"), "code\nHarbour Blue");
    EXPECT_EQ(SlotHint("code", entries, 6, "Harbour Blue"), "code\nHarbour Blue");
    EXPECT_EQ(SlotHint("", entries, 5, "Harbour Blue"), "Harbour Blue");
    EXPECT_EQ(SlotHint("code", entries, 5, ""), "code\nAlpha") << "no own name: the list's";
}

TEST(LeftOutMessage, SaysHowManyColoursDidNotFit)
{
    EXPECT_EQ(LeftOutMessage("forty.gpl", 40), "The palette \"forty.gpl\" has 40 colors. The first 16 are now in "
                                               "the palette slots; the other 24 were left out.");
    EXPECT_EQ(LeftOutMessage("s.ase", 17),
              "The palette \"s.ase\" has 17 colors. The first 16 are now in the palette slots; the last one was "
              "left out.");
}

TEST(SlotHint, AliceBlueInTheHtmlTable)
{
    EXPECT_EQ(SlotHint("#F0F8FF", ColorTable(true), 0x00FFF8F0), "#F0F8FF\nAliceBlue");
}

} // namespace
} // namespace pigmentrix
