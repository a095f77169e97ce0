#include "storage/text_lines.h"

#include <gtest/gtest.h>

namespace pigmentrix {
namespace {

using Lines = std::vector<std::string>;

struct SplitRow {
    std::string text;
    Lines lines;
};

TEST(SplitLines, BreaksAtCrLfLoneCrAndLoneLf)
{
    const std::vector<SplitRow> rows = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rb\nc", {"a", "b", "c"}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\n\r\n", {"a", ""}},
        {"\r\n", {""}},
        {"a\r\r\nb", {"a", "", "b"}},
    };
    for (const SplitRow &row : rows) {
        SCOPED_TRACE(::testing::PrintToString(row.text));
        EXPECT_EQ(SplitLines(row.text), row.lines);
    }
}

struct DecodeRow {
    const char *name;
    std::string bytes;
    std::string text;
};

TEST(DecodeTextFile, ByteOrderMarkSelectsTheEncoding)
{
    const std::vector<DecodeRow> rows = {
        {"plain ASCII", "clRed\r\n", "clRed\r\n"},
        {"UTF-8 mark",
         "\xEF\xBB\xBF"
         "clRed",
         "clRed"},
        {"UTF-16 LE",
         std::string("\xFF\xFE"
                     "c\0l\0\r\0\n\0",
                     10),
         "cl\r\n"},
        {"UTF-16 BE", std::string("\xFE\xFF\0c\0l", 6), "cl"},
        {"UTF-16 LE non-ASCII", std::string("\xFF\xFE\xE9\0", 4), "\xC3\xA9"},
        {"UTF-16 surrogate pair", std::string("\xFF\xFE\x3D\xD8\x08\xDE", 6), "\xF0\x9F\x98\x88"},
        {"UTF-16 lone surrogate",
         std::string("\xFF\xFE\x3D\xD8"
                     "a\0",
                     6),
         "\xEF\xBF\xBD"
         "a"},
        {"UTF-16 odd byte",
         std::string("\xFF\xFE"
                     "a\0b",
                     5),
         "a\xEF\xBF\xBD"},
        {"UTF-8 without mark", "caf\xC3\xA9", "caf\xC3\xA9"},
        {"Latin-1 without mark", "caf\xE9", "caf\xC3\xA9"},
    };
    for (const DecodeRow &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(DecodeTextFile(row.bytes), row.text);
    }
}

TEST(IsValidUtf8, RefusesMalformedSequences)
{
    EXPECT_TRUE(IsValidUtf8("plain"));
    EXPECT_TRUE(IsValidUtf8("\xE2\x82\xAC"));
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF")); // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80")); // surrogate
    EXPECT_FALSE(IsValidUtf8("\xE2\x82")); // cut short
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80")); // beyond U+10FFFF
}

TEST(EncodeUtf16, GivesTheCodeUnitsDecodeUtf16ReadsBack)
{
    struct Row {
        const char *name;
        std::string text;
        std::u16string units;
    };
    const std::vector<Row> rows = {
        {"empty", "", u""},
        {"ASCII", "Sky", u"Sky"},
        {"two-byte sequence", "caf\xC3\xA9", u"caf\u00E9"},
        {"three-byte sequence", "\xE2\x82\xAC", u"\u20AC"},
        {"beyond the basic plane: a surrogate pair", "\xF0\x9F\x98\x88", u"\U0001F608"},
        {"not UTF-8: read as Latin-1", "caf\xE9", u"caf\u00E9"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const std::u16string units = EncodeUtf16(row.text);
        EXPECT_EQ(units, row.units);
        std::string bigEndian;
        for (char16_t unit : units) {
            bigEndian += static_cast<char>(unit >> 8);
            bigEndian += static_cast<char>(unit & 0xFF);
        }
        EXPECT_EQ(DecodeUtf16(bigEndian, true), ToValidUtf8(row.text));
    }
}

} // namespace
} // namespace pigmentrix
