#include "storage/setting_values.h"

#include "storage/color_identifiers.h"
#include "storage/frame_font.h"

#include <gtest/gtest.h>

#include <limits>

namespace pigmentrix {
namespace {

TEST(SettingValues, BooleanListsSplitAtCommas)
{
    EXPECT_EQ(SplitWordList(TrueList), (std::vector<std::string>{"TRUE", "YES", "Y"}));
    EXPECT_EQ(SplitWordList(FalseList), (std::vector<std::string>{"FALSE", "NO", "N"}));
    EXPECT_EQ(SplitWordList(" a ,b,, c "), (std::vector<std::string>{"a", "b", "c"}));
}

struct BooleanRow {
    const char *text;
    std::optional<bool> value;
};

TEST(SettingValues, BooleansReadFromEitherListInAnyCase)
{
    const std::vector<BooleanRow> rows = {
        {"TRUE", true},
        {"true", true},
        {"Yes", true},
        {"y", true},
        {"FALSE", false},
        {"false", false},
        {"No", false},
        {"n", false},
        {"1", std::nullopt},
        {"0", std::nullopt},
        {"", std::nullopt},
        {"T", std::nullopt},
        {"yes please", std::nullopt},
    };
    for (const BooleanRow &row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(DecodeBoolean(row.text), row.value);
    }
    EXPECT_EQ(EncodeBoolean(true), "TRUE");
    EXPECT_EQ(EncodeBoolean(false), "FALSE");
}

TEST(SettingValues, IntegersUseDecimalTextAndReadByTheIntegerRules)
{
    EXPECT_EQ(EncodeInteger(-1), "-1");
    EXPECT_EQ(DecodeInteger("-1"), -1);
    EXPECT_EQ(DecodeInteger("$10"), 16);
    EXPECT_EQ(DecodeInteger("2147483647"), 2147483647);
    EXPECT_EQ(DecodeInteger("2147483648"), std::nullopt);
    EXPECT_EQ(DecodeInteger("abc"), std::nullopt);
    EXPECT_EQ(DecodeInteger(""), std::nullopt);
}

struct Int64Row {
    const char *text;
    std::optional<std::int64_t> value;
};

TEST(SettingValues, Int64UsesDecimalDigits)
{
    const std::vector<Int64Row> rows = {
        {"0", 0},
        {"8", 8},
        {"  -42", -42},
        {"+5", 5},
        {"9223372036854775807", std::numeric_limits<std::int64_t>::max()},
        {"-9223372036854775808", std::numeric_limits<std::int64_t>::min()},
        {"9223372036854775808", std::nullopt},
        {"+-5", std::nullopt},
        {"-", std::nullopt},
        {"5 ", std::nullopt},
        {"$10", std::nullopt},
        {"", std::nullopt},
    };
    for (const Int64Row &row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(DecodeInt64(row.text), row.value);
    }
    EXPECT_EQ(EncodeInt64(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
}

TEST(SettingValues, ColoursUseIdentifiersElseDecimal)
{
    EXPECT_EQ(EncodeColor(clWhite), "clWhite");
    EXPECT_EQ(EncodeColor(0x00FFFFF0), "16777200");
    EXPECT_EQ(EncodeColor(clWindowText), "clWindowText");
    EXPECT_EQ(DecodeColor("16777200"), 0x00FFFFF0);
    EXPECT_EQ(DecodeColor("clwindowtext"), clWindowText);
    EXPECT_EQ(DecodeColor("white"), std::nullopt);
}

TEST(SettingValues, EnumerationsUseMemberNames)
{
    EXPECT_EQ(EncodeEnumeration(FontQualityNames, 5), "fqClearType");
    EXPECT_EQ(EncodeEnumeration(FontPitchNames, 7), "7");
    EXPECT_EQ(DecodeEnumeration(FontPitchNames, "fpFixed"), 2);
    EXPECT_EQ(DecodeEnumeration(FontPitchNames, "FPVARIABLE"), 1);
    EXPECT_EQ(DecodeEnumeration(FontPitchNames, "1"), 1);
    EXPECT_EQ(DecodeEnumeration(FontPitchNames, "3"), std::nullopt);
    EXPECT_EQ(DecodeEnumeration(FontPitchNames, "fpWide"), std::nullopt);
}

TEST(SettingValues, CharsetsUseIdentifiersElseDecimal)
{
    EXPECT_EQ(EncodeCharset(1), "DEFAULT_CHARSET");
    EXPECT_EQ(EncodeCharset(238), "EASTEUROPE_CHARSET");
    EXPECT_EQ(EncodeCharset(100), "100");
    EXPECT_EQ(DecodeCharset("OEM_CHARSET"), 255);
    EXPECT_EQ(DecodeCharset("russian_charset"), 204);
    EXPECT_EQ(DecodeCharset("100"), 100);
    EXPECT_EQ(DecodeCharset("256"), std::nullopt);
    EXPECT_EQ(DecodeCharset("LATIN_CHARSET"), std::nullopt);
}

} // namespace
} // namespace pigmentrix
