#include "model/named_colors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace pigmentrix {
namespace {

std::string Code(TColor value)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", RedOf(value), GreenOf(value), BlueOf(value));
    return text;
}

bool HasValue(std::span<const RColor> table, TColor value)
{
    return std::any_of(table.begin(), table.end(), [value](const RColor &c) { return c.Value == value; });
}

TEST(NamedColorTables, HaveTheirRowCounts)
{
    EXPECT_EQ(NamedColors.size(), 1569u);
    EXPECT_EQ(HTMLColors.size(), 139u);
    EXPECT_EQ(ColorTable(false).data(), NamedColors.data());
    EXPECT_EQ(ColorTable(true).data(), HTMLColors.data());
}

TEST(NamedColorTables, ValuesAreDirectColours)
{
    for (bool html : {false, true}) {
        for (const RColor &c : ColorTable(html)) {
            SCOPED_TRACE(NameToUtf8(c.Name));
            EXPECT_EQ(c.Value & 0xFF000000, 0);
        }
    }
}

TEST(NamedColorTables, BothHoldTheEightCubeCorners)
{
    const TColor corners[] = {0x000000, 0xFFFFFF, 0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFFFF00, 0xFF00FF};
    for (bool html : {false, true}) {
        for (TColor corner : corners) {
            SCOPED_TRACE(Code(corner) + (html ? " HTML" : " general"));
            EXPECT_TRUE(HasValue(ColorTable(html), corner));
        }
    }
}

TEST(NamedColorTables, EveryHTMLValueIsInTheGeneralTable)
{
    for (const RColor &c : HTMLColors) {
        SCOPED_TRACE(NameToUtf8(c.Name));
        EXPECT_TRUE(HasValue(NamedColors, c.Value));
    }
}

TEST(NamedColorTables, HTMLTableRepeatsNoNameAndNoValue)
{
    std::set<std::u16string_view> names;
    std::set<TColor> values;
    for (const RColor &c : HTMLColors) {
        names.insert(c.Name);
        values.insert(c.Value);
    }
    EXPECT_EQ(names.size(), HTMLColors.size());
    EXPECT_EQ(values.size(), HTMLColors.size());
}

TEST(NamedColorTables, GeneralTableSharesFourValuesAndRepeatsFiveNames)
{
    std::map<TColor, int> byValue;
    std::map<std::u16string_view, std::vector<TColor>> byName;
    for (const RColor &c : NamedColors) {
        ++byValue[c.Value];
        byName[c.Name].push_back(c.Value);
    }
    EXPECT_EQ(byValue.size(), 1565u);
    EXPECT_TRUE(std::all_of(byValue.begin(), byValue.end(), [](const auto &v) { return v.second <= 2; }));
    EXPECT_EQ(byValue[0xD7EBFA], 2) << "AntiqueWhite and Antique white";

    std::set<std::u16string_view> repeated;
    for (const auto &[name, values] : byName) {
        if (values.size() > 1) {
            repeated.insert(name);
            ASSERT_EQ(values.size(), 2u);
            EXPECT_NE(values[0], values[1]);
        }
    }
    EXPECT_EQ(repeated,
              (std::set<std::u16string_view>{u"Brick Red", u"Bronze", u"Lemon Lime", u"Royal Red", u"Violet-Red"}));
}

struct TableRow {
    bool html;
    int row;
    std::u16string_view name;
    const char *code;
};

class NamedColorRows : public testing::TestWithParam<TableRow> { };

TEST_P(NamedColorRows, HoldTheirNameAndCode)
{
    const TableRow &expected = GetParam();
    const RColor &actual = ColorTable(expected.html)[static_cast<std::size_t>(expected.row)];
    EXPECT_EQ(NameToUtf8(actual.Name), NameToUtf8(expected.name));
    EXPECT_EQ(Code(actual.Value), expected.code);
}

INSTANTIATE_TEST_SUITE_P(
    GeneralTable, NamedColorRows,
    testing::Values(TableRow{false, 0, u"Absolute Zero", "#0048BA"}, TableRow{false, 1, u"Acajou", "#4C2F27"},
                    TableRow{false, 2, u"Acid Green", "#B0BF1A"}, TableRow{false, 11, u"Alice Blue", "#F0F8FF"},
                    TableRow{false, 46, u"AntiqueWhite", "#FAEBD7"},
                    TableRow{false, 541, u"Green / Lime / Electric Green", "#00FF00"},
                    TableRow{false, 542, u"Green (Crayola)", "#1CAC78"}, TableRow{false, 1185, u"Sienna", "#A0522D"},
                    TableRow{false, 1186, u"Kobe", "#882D17"}, TableRow{false, 1418, u"Zomp", "#39A78E"},
                    TableRow{false, 1419, u"Antique white", "#FAEBD7"}, TableRow{false, 1420, u"Asda Green", "#7DC242"},
                    TableRow{false, 1520, u"Zinnwaldite", "#EBC2AF"},
                    TableRow{false, 1521, u"Barbie Pink (1959-1975)", "#E85395"},
                    TableRow{false, 1527, u"Viva Magenta (Pantone 2023)", "#BB2649"},
                    TableRow{false, 1568, u"Butter Yellow", "#FFFB75"}));

INSTANTIATE_TEST_SUITE_P(HTMLTable, NamedColorRows,
                         testing::Values(TableRow{true, 0, u"AliceBlue", "#F0F8FF"},
                                         TableRow{true, 19, u"Cyan / Aqua", "#00FFFF"},
                                         TableRow{true, 22, u"DarkGoldenRod", "#B8860B"},
                                         TableRow{true, 77, u"Magenta (Fuchsia)", "#FF00FF"},
                                         TableRow{true, 111, u"RebeccaPurple", "#663399"},
                                         TableRow{true, 138, u"YellowGreen", "#9ACD32"}));

TEST(NamedColorTables, StoreRedInTheLowByte)
{
    EXPECT_EQ(HTMLColors[0].Value, 0x00FFF8F0);
    EXPECT_EQ(NamedColors[0].Value, 0x00BA4800);
}

TEST(NamedColorTables, KeepNamesOutsideASCII)
{
    const std::u16string_view names[] = {u"Big Dip O\u2019Ruby", u"Caf\u00E9 Noir", u"Halay\u00E0 \u00FAbe",
                                         u"Tenn\u00E9 (Tawny)", u"Tuscan Tan / French Beige / Caf\u00E9 Au Lait"};
    for (std::u16string_view name : names) {
        SCOPED_TRACE(NameToUtf8(name));
        EXPECT_TRUE(
            std::any_of(NamedColors.begin(), NamedColors.end(), [name](const RColor &c) { return c.Name == name; }));
    }
    EXPECT_EQ(NamedColors[85].Name, u"Big Dip O\u2019Ruby");
}

TEST(NamedColorTables, LongestNameHas58Characters)
{
    const auto longest = std::max_element(NamedColors.begin(), NamedColors.end(), [](const RColor &a, const RColor &b) {
        return a.Name.size() < b.Name.size();
    });
    EXPECT_EQ(longest->Name, u"Sandy Taupe / Sand Dune / Mode Beige / Drab / Bistre Brown");
    EXPECT_EQ(longest->Name.size(), 58u);
}

TEST(NameToUtf8, EncodesEveryPlane)
{
    struct Row {
        std::u16string_view name;
        std::string utf8;
    };
    const Row rows[] = {
        {u"Zomp", "Zomp"},
        {u"Caf\u00E9", "Caf\xC3\xA9"},
        {u"O\u2019Ruby", "O\xE2\x80\x99Ruby"},
        {u"\U0001F600", "\xF0\x9F\x98\x80"},
        {std::u16string_view(u"a\xD800"
                             "b",
                             3),
         "a\xEF\xBF\xBD"
         "b"},
        {std::u16string_view(u"\xDC00", 1), "\xEF\xBF\xBD"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.utf8);
        EXPECT_EQ(NameToUtf8(row.name), row.utf8);
    }
}

} // namespace
} // namespace pigmentrix
