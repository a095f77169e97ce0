#include "model/named_color_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace pigmentrix {
namespace {

int Sum(const RColor &c)
{
    return RedOf(c.Value) + GreenOf(c.Value) + BlueOf(c.Value);
}

int IndexOf(const TRColorArray &list, std::u16string_view name)
{
    const auto it = std::find_if(list.begin(), list.end(), [name](const RColor &c) { return c.Name == name; });
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

std::vector<std::u16string_view> Names(const TRColorArray &list)
{
    std::vector<std::u16string_view> names;
    for (const RColor &c : list)
        names.push_back(c.Name);
    return names;
}

int Sign(std::int64_t x)
{
    return (x > 0) - (x < 0);
}

// The stored number of an order, for tables that also list unknown codes.
constexpr std::int64_t Code(SortOrder order)
{
    return static_cast<std::int64_t>(order);
}

struct CompareRow {
    const char *what;
    RColor a;
    RColor b;
    std::int64_t orderCode;
    int expectedSign;
};

TEST(CompareNamedColors, FollowsTheKeysOfEachOrder)
{
    const RGBValues reference{100, 100, 100};
    const CompareRow rows[] = {
        {"name: upper case before lower case", {u"Blue", 0}, {u"azure", 0}, Code(SortOrder::Name), -1},
        {"name: space before a letter", {u"Antique white", 0}, {u"AntiqueWhite", 0}, Code(SortOrder::Name), -1},
        {"name: accented letter after z", {u"Caf\u00E9", 0}, {u"Cafz", 0}, Code(SortOrder::Name), 1},
        {"name: UTF-16 units, not code points", {u"\U0001F600", 0}, {u"\uFF5E", 0}, Code(SortOrder::Name), -1},
        {"name: equal names fall back to channel sum",
         {u"Bronze", 0x000001},
         {u"Bronze", 0x000000},
         Code(SortOrder::Name),
         1},
        {"hue first", {u"", 0x0000FF}, {u"", 0x00FF00}, Code(SortOrder::Hue), -1},
        {"hue: grey before red", {u"", 0xFFFFFF}, {u"", 0x0000FF}, Code(SortOrder::Hue), -1},
        {"hue: equal hue goes by saturation", {u"", 0x8080FF}, {u"", 0x0000FF}, Code(SortOrder::Hue), -1},
        {"hue: equal rounded keys have no tie-break", {u"", 0x0200C8}, {u"", 0x0300C8}, Code(SortOrder::Hue), 0},
        {"saturation first", {u"", 0x00FF00}, {u"", 0x8080FF}, Code(SortOrder::Saturation), 1},
        {"saturation: then hue", {u"", 0x00FF00}, {u"", 0x0000FF}, Code(SortOrder::Saturation), 1},
        {"value first", {u"", 0x000080}, {u"", 0x8080FF}, Code(SortOrder::Value), -1},
        {"value: then saturation", {u"", 0x0000FF}, {u"", 0xFFFFFF}, Code(SortOrder::Value), 1},
        {"red descending", {u"", 0x0000FF}, {u"", 0x000080}, Code(SortOrder::Red), -1},
        {"red: tie by ascending sum", {u"", 0x0100FF}, {u"", 0x0000FF}, Code(SortOrder::Red), 1},
        {"green descending", {u"", 0x00FF00}, {u"", 0x008000}, Code(SortOrder::Green), -1},
        {"blue descending", {u"", 0xFF0000}, {u"", 0x800000}, Code(SortOrder::Blue), -1},
        {"brightness descending", {u"", 0xFFFFFF}, {u"", 0x000000}, Code(SortOrder::Brightness), -1},
        {"brightness: equal sums compare equal", {u"", 0x0000FF}, {u"", 0x00FF00}, Code(SortOrder::Brightness), 0},
        {"similarity: nearer first", {u"", 0x656565}, {u"", 0x000000}, Code(SortOrder::Similarity), -1},
        {"similarity: equal distance by sum", {u"", 0x646465}, {u"", 0x646463}, Code(SortOrder::Similarity), 1},
        {"unknown code: ascending sum", {u"", 0xFFFFFF}, {u"", 0x000000}, 9, 1},
        {"negative code: ascending sum", {u"", 0x000000}, {u"", 0x000001}, -1, -1},
        {"64-bit code: ascending sum", {u"b", 0x000001}, {u"a", 0x000001}, std::int64_t{1} << 40, 0},
    };
    for (const CompareRow &row : rows) {
        SCOPED_TRACE(row.what);
        const auto order = static_cast<SortOrder>(row.orderCode);
        EXPECT_EQ(Sign(CompareNamedColors(row.a, row.b, order, reference)), row.expectedSign);
    }
}

TEST(SortNamedColors, LeavesEqualEntriesInTheQuicksortsOrder)
{
    TRColorArray list = {{u"a", 0}, {u"b", 0}, {u"c", 0}};
    SortNamedColors(list, static_cast<SortOrder>(9), {});
    EXPECT_EQ(Names(list), (std::vector<std::u16string_view>{u"c", u"b", u"a"}));

    TRColorArray five = {{u"a", 2}, {u"b", 1}, {u"c", 1}, {u"d", 0}, {u"e", 1}};
    SortNamedColors(five, static_cast<SortOrder>(9), {});
    EXPECT_EQ(Names(five), (std::vector<std::u16string_view>{u"d", u"e", u"c", u"b", u"a"}));
}

TEST(SortNamedColors, HandlesEmptyAndSingleLists)
{
    TRColorArray empty;
    SortNamedColors(empty, SortOrder::Name, {});
    EXPECT_TRUE(empty.empty());
    TRColorArray one = {{u"x", 5}};
    SortNamedColors(one, SortOrder::Hue, {});
    EXPECT_EQ(one.front().Name, u"x");
}

TEST(BuildNamedColorList, ByNameIsTheDefaultListOfAllNames)
{
    const TRColorArray list = BuildNamedColorList(false, SortOrder::Name, {});
    ASSERT_EQ(list.size(), 1569u);
    EXPECT_EQ(list.front().Name, u"Absolute Zero");
    for (std::size_t i = 1; i < list.size(); ++i) {
        SCOPED_TRACE(NameToUtf8(list[i].Name));
        const int byName = list[i - 1].Name.compare(list[i].Name);
        EXPECT_TRUE(byName < 0 || (byName == 0 && Sum(list[i - 1]) <= Sum(list[i])));
    }
    EXPECT_LT(IndexOf(list, u"Antique white"), IndexOf(list, u"AntiqueWhite"));
}

TEST(BuildNamedColorList, ByHuePutsGreysFirstDarkestFirst)
{
    for (bool html : {false, true}) {
        SCOPED_TRACE(html ? "HTML" : "general");
        const TRColorArray list = BuildNamedColorList(html, SortOrder::Hue, {});
        auto isGrey = [](const RColor &c) {
            return RedOf(c.Value) == GreenOf(c.Value) && GreenOf(c.Value) == BlueOf(c.Value);
        };
        const auto firstColour = std::find_if_not(list.begin(), list.end(), isGrey);
        EXPECT_TRUE(std::none_of(firstColour, list.end(), isGrey));
        EXPECT_TRUE(std::is_sorted(list.begin(), firstColour,
                                   [](const RColor &a, const RColor &b) { return Sum(a) < Sum(b); }));
        EXPECT_EQ(list.front().Value, clBlack);
        EXPECT_EQ(std::prev(firstColour)->Value, clWhite);
        EXPECT_TRUE(RedOf(firstColour->Value) > GreenOf(firstColour->Value)
                    && GreenOf(firstColour->Value) == BlueOf(firstColour->Value))
            << "hue 0 comes next";
        EXPECT_LT(firstColour - list.begin(), IndexOf(list, u"Red"));
    }
}

struct ChannelOrderRow {
    const char *what;
    std::int64_t orderCode;
    int (*key)(const RColor &);
};

TEST(BuildNamedColorList, ChannelOrdersDescendWithAscendingSumTies)
{
    const ChannelOrderRow rows[] = {
        {"red", Code(SortOrder::Red), [](const RColor &c) { return -RedOf(c.Value); }},
        {"green", Code(SortOrder::Green), [](const RColor &c) { return -GreenOf(c.Value); }},
        {"blue", Code(SortOrder::Blue), [](const RColor &c) { return -BlueOf(c.Value); }},
        {"brightness", Code(SortOrder::Brightness), [](const RColor &c) { return -Sum(c); }},
        {"similarity to (250, 235, 215)", Code(SortOrder::Similarity),
         [](const RColor &c) {
             const int dr = RedOf(c.Value) - 250, dg = GreenOf(c.Value) - 235, db = BlueOf(c.Value) - 215;
             return dr * dr + dg * dg + db * db;
         }},
        {"unknown code", 42, [](const RColor &) { return 0; }},
    };
    for (const ChannelOrderRow &row : rows) {
        SCOPED_TRACE(row.what);
        const TRColorArray list = BuildNamedColorList(false, static_cast<SortOrder>(row.orderCode), {250, 235, 215});
        for (std::size_t i = 1; i < list.size(); ++i) {
            const int before = row.key(list[i - 1]), after = row.key(list[i]);
            ASSERT_TRUE(before < after || (before == after && Sum(list[i - 1]) <= Sum(list[i])))
                << NameToUtf8(list[i - 1].Name) << " / " << NameToUtf8(list[i].Name);
        }
    }
}

TEST(BuildNamedColorList, BySimilarityStartsWithTheReferenceColour)
{
    const TRColorArray list = BuildNamedColorList(false, SortOrder::Similarity, {250, 235, 215});
    EXPECT_EQ(list[0].Value, 0xD7EBFA);
    EXPECT_EQ(list[1].Value, 0xD7EBFA);
    const TRColorArray html = BuildNamedColorList(true, SortOrder::Similarity, {255, 0, 0});
    EXPECT_EQ(html.front().Name, u"Red");
}

TEST(BuildNamedColorList, OutOfRangeCodeOrdersBySumAlone)
{
    const TRColorArray list = BuildNamedColorList(true, static_cast<SortOrder>(-3), {});
    EXPECT_TRUE(
        std::is_sorted(list.begin(), list.end(), [](const RColor &a, const RColor &b) { return Sum(a) < Sum(b); }));
    EXPECT_EQ(list.front().Name, u"Black");
    EXPECT_EQ(list.back().Name, u"White");
}

const TRColorArray kDuplicates = {
    {u"AntiqueWhite", 0xD7EBFA}, {u"Black", 0x000000}, {u"Antique white", 0xD7EBFA}, {u"Red", 0x0000FF}};

struct SelectionRow {
    const char *what;
    int selectedIndex;
    TColor color;
    int expected;
};

TEST(SelectionForColor, KeepsAMatchingSelectionElseTakesTheFirstMatch)
{
    const SelectionRow rows[] = {
        {"selected entry has the colour", 2, 0xD7EBFA, 2},
        {"selected entry has another colour", 1, 0xD7EBFA, 0},
        {"nothing selected", -1, 0xD7EBFA, 0},
        {"selection beyond the list", 9, 0x0000FF, 3},
        {"colour not in the list", 0, 0x123456, -1},
        {"system colour", 0, static_cast<TColor>(0x80000005), -1},
    };
    for (const SelectionRow &row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(SelectionForColor(kDuplicates, row.selectedIndex, row.color), row.expected);
    }
    EXPECT_EQ(SelectionForColor({}, -1, 0), -1);
}

TEST(SelectionAfterSort, TakesTheLastEntryWithTheRememberedValue)
{
    EXPECT_EQ(SelectionAfterSort(kDuplicates, 0xD7EBFA), 2);
    EXPECT_EQ(SelectionAfterSort(kDuplicates, 0x000000), 1);
    EXPECT_EQ(SelectionAfterSort(kDuplicates, 0x123456), -1);
    EXPECT_EQ(SelectionAfterSort(kDuplicates, std::nullopt), -1);
}

TEST(SelectionAfterSort, SwitchingToHTMLSelectsOnlyColoursItHolds)
{
    const TRColorArray html = BuildNamedColorList(true, SortOrder::Name, {});
    EXPECT_EQ(SelectionAfterSort(html, 0x272F4C), -1) << "Acajou has no HTML name";
    const int index = SelectionAfterSort(html, 0xD7EBFA);
    ASSERT_GE(index, 0);
    EXPECT_EQ(html[static_cast<std::size_t>(index)].Name, u"AntiqueWhite");
}

struct ClosestRow {
    const char *what;
    TRColorArray entries;
    RGBValues current;
    int selectedIndex;
    int expected;
};

TEST(FindClosestColor, PicksTheNearestFirstEntry)
{
    const ClosestRow rows[] = {
        {"exact colour", kDuplicates, {0, 0, 0}, -1, 1},
        {"duplicate values: first in list order", kDuplicates, {250, 235, 215}, 2, 0},
        {"nearest of several", kDuplicates, {200, 10, 10}, -1, 3},
        {"equal distances: the earlier entry", {{u"a", 0x000002}, {u"b", 0x000000}}, {1, 0, 0}, -1, 0},
        {"exactly 255 away is no candidate", {{u"red", 0x0000FF}}, {0, 0, 0}, -1, -1},
        {"no candidate keeps the selection", {{u"white", 0xFFFFFF}, {u"x", 0xFFFFFE}}, {0, 0, 0}, 1, 1},
        {"just under 255 is a candidate", {{u"r", 0x0000FE}}, {0, 0, 0}, -1, 0},
        {"empty list", {}, {0, 0, 0}, -1, -1},
    };
    for (const ClosestRow &row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(FindClosestColor(row.entries, row.current, row.selectedIndex), row.expected);
    }
}

TEST(FindClosestColor, TieDependsOnThePresentOrder)
{
    const TRColorArray byName = BuildNamedColorList(false, SortOrder::Name, {});
    const int k = FindClosestColor(byName, {250, 235, 215}, -1);
    EXPECT_EQ(byName[static_cast<std::size_t>(k)].Name, u"Antique white");

    const TRColorArray bySimilarity = BuildNamedColorList(false, SortOrder::Similarity, {250, 235, 215});
    const int s = FindClosestColor(bySimilarity, {250, 235, 215}, -1);
    EXPECT_EQ(s, 0);
}

struct NamedRow {
    TColor color;
    bool htmlOnly;
    std::u16string_view name;
};

TEST(ClosestNamedColor, NamesTheNearestColourOfTheTable)
{
    const NamedRow rows[] = {
        {0xFFF8F0, false, u"Alice Blue"},
        {0xFFF8F0, true, u"AliceBlue"},
        {0xFFF8F1, true, u"AliceBlue"},
        {0xD7EBFA, false, u"Antique white"},
        {0x00FF00, true, u"Lime"},
        {0x00FF00, false, u"Green / Lime / Electric Green"},
        {static_cast<TColor>(0xFF000000), true, u"Black"},
    };
    for (const NamedRow &row : rows) {
        SCOPED_TRACE(NameToUtf8(row.name));
        const std::optional<RColor> found = ClosestNamedColor(row.color, row.htmlOnly);
        ASSERT_TRUE(found.has_value());
        EXPECT_EQ(found->Name, row.name);
    }
}

TEST(ClosestNamedColor, EveryCubePointHasAnAnswer)
{
    for (int r = 0; r < 256; r += 51)
        for (int g = 0; g < 256; g += 51)
            for (int b = 0; b < 256; b += 51)
                EXPECT_TRUE(ClosestNamedColor(ComposeColor(r, g, b), true).has_value());
}

} // namespace
} // namespace pigmentrix
