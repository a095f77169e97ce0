#include "storage/ini_document.h"

#include <gtest/gtest.h>

#include <array>

namespace pigmentrix {
namespace {

IniDocument Parsed(std::string_view text)
{
    IniDocument::ParseResult result = IniDocument::Parse(text);
    EXPECT_TRUE(result.damagedLines.empty());
    return std::move(result.document);
}

TEST(IniDocument, SectionNamesKeepTheirBackslashes)
{
    const IniDocument ini = Parsed("[pnlColor_Font]\nName=Segoe UI\n[pnlColor_Font\\Style]\nfsBold=TRUE\n");
    EXPECT_EQ(ini.Value("pnlColor_Font", "Name"), "Segoe UI");
    EXPECT_EQ(ini.Value("pnlColor_Font\\Style", "fsBold"), "TRUE");
    EXPECT_EQ(ini.Value("pnlColor_Font", "fsBold"), std::nullopt);
}

TEST(IniDocument, NamesMatchWithoutRegardToCase)
{
    const IniDocument ini = Parsed("[Pigmentrix]\nLayout=1\n");
    EXPECT_EQ(ini.Value("PIGMENTRIX", "layout"), "1");
}

TEST(IniDocument, ValuesAreTrimmedAndQuotedValuesUnescaped)
{
    const IniDocument ini = Parsed("[s]\n a = b c \nq=\" padded \"\ne=\"x\\ny\\\\z\\x01\"\nempty=\nlone=\"\n");
    EXPECT_EQ(ini.Value("s", "a"), "b c");
    EXPECT_EQ(ini.Value("s", "q"), " padded ");
    EXPECT_EQ(ini.Value("s", "e"), "x\ny\\z\x01");
    EXPECT_EQ(ini.Value("s", "empty"), "");
    EXPECT_EQ(ini.Value("s", "lone"), "\"");
}

TEST(IniDocument, EscapesBeyondAsciiStayAsTheyAreSoTheFileStaysUtf8)
{
    const IniDocument ini = Parsed("[s]\nv=\"a\\xBAb\\x7F\"\n");
    EXPECT_EQ(ini.Value("s", "v"), "a\\xBAb\x7F");
    EXPECT_EQ(Parsed(ini.Serialize()).Value("s", "v"), ini.Value("s", "v"));
}

TEST(IniDocument, AwkwardValuesSurviveARoundTrip)
{
    const std::vector<std::string> values = {
        "",
        "plain",
        " leading",
        "trailing ",
        "\"quoted\"",
        "two\r\nlines",
        "back\\slash",
        "a=b",
        "; not a comment",
        std::string("nul\0inside", 10),
        "tab\tinside",
        "\xC3\xA9t\xC3\xA9",
    };
    IniDocument ini;
    for (std::size_t i = 0; i < values.size(); ++i)
        ini.SetValue("s", "k" + std::to_string(i), values[i]);
    const IniDocument again = Parsed(ini.Serialize());
    for (std::size_t i = 0; i < values.size(); ++i) {
        SCOPED_TRACE(::testing::PrintToString(values[i]));
        EXPECT_EQ(again.Value("s", "k" + std::to_string(i)), values[i]);
    }
}

TEST(IniDocument, InvalidUtf8ValueIsStoredAsLatin1)
{
    IniDocument ini;
    ini.SetValue("s", "k", "caf\xE9");
    EXPECT_EQ(Parsed(ini.Serialize()).Value("s", "k"), "caf\xC3\xA9");
}

TEST(IniDocument, UnknownLinesStayWhereTheyWere)
{
    const std::string text = "; written by hand\n"
                             "[Pigmentrix]\n"
                             "layout=1\n"
                             "Mystery=42\n"
                             "\n"
                             "[Other]\n"
                             "# note\n"
                             "key=value\n";
    IniDocument ini = Parsed(text);
    ini.SetValue("Pigmentrix", "layout", "2");
    ini.SetValue("Pigmentrix", "showtitle", "TRUE");
    ini.SetValue("pnlColor_Font\\Style", "fsBold", "TRUE");
    EXPECT_EQ(ini.Serialize(), "; written by hand\n"
                               "[Pigmentrix]\n"
                               "layout=2\n"
                               "Mystery=42\n"
                               "showtitle=TRUE\n"
                               "\n"
                               "[Other]\n"
                               "# note\n"
                               "key=value\n"
                               "\n"
                               "[pnlColor_Font\\Style]\n"
                               "fsBold=TRUE\n");
}

TEST(IniDocument, NewDocumentStartsWithItsFirstSection)
{
    IniDocument ini;
    ini.SetValue("Pigmentrix", "FormVersion", "0");
    ini.SetValue("Pigmentrix", "layout", "2");
    EXPECT_EQ(ini.Serialize(), "[Pigmentrix]\nFormVersion=0\nlayout=2\n");
}

TEST(IniDocument, AcceptsAnyLineEndAndAByteOrderMark)
{
    const IniDocument ini = Parsed("\xEF\xBB\xBF[a]\r\nx=1\ry=2\r\n");
    EXPECT_EQ(ini.Value("a", "x"), "1");
    EXPECT_EQ(ini.Value("a", "y"), "2");
}

TEST(IniDocument, AKeyBeginningWithAByteOrderMarkCharacterSurvivesWritingAndReading)
{
    const IniDocument ini = Parsed("\xEF\xBB\xBF\xEF\xBB\xBFk=1\n");
    const IniDocument again = Parsed(ini.Serialize());
    EXPECT_EQ(again.Serialize(), ini.Serialize());
    EXPECT_EQ(Parsed("\xEF\xBB\xBFk=1\n").Serialize(), "k=1\n");
}

struct DamageRow {
    const char *name;
    std::string text;
    std::vector<int> damagedLines;
    // Values that still read: section, key, value.
    std::vector<std::array<const char *, 3>> readable;
    // Keys whose line is damaged or stands under a damaged header.
    std::vector<std::array<const char *, 2>> unreadable;
};

TEST(IniDocument, ADamagedLineCostsThatLineOnlyAndIsWrittenBackAsItWas)
{
    const std::vector<DamageRow> rows = {
        {"line without equals", "[a]\nx=1\nnot a pair\ny=2\n", {3}, {{"a", "x", "1"}, {"a", "y", "2"}}, {}},
        {"empty key", "[a]\n=value\ny=2\n", {2}, {{"a", "y", "2"}}, {}},
        {"unclosed header: its keys belong to no section",
         "[a]\nx=1\n[b\nx=2\n[c]\nz=3\n",
         {3},
         {{"a", "x", "1"}, {"c", "z", "3"}},
         {{"b", "x"}}},
        {"empty header", "[a]\nx=1\n[]\ny=2\n", {3}, {{"a", "x", "1"}}, {{"a", "y"}}},
        {"a value that is not UTF-8", "[a]\nx=\xFF\xFE\ny=2\n", {2}, {{"a", "y", "2"}}, {{"a", "x"}}},
        {"a NUL byte", std::string("[a]\nx=1\0\ny=2\n", 13), {2}, {{"a", "y", "2"}}, {{"a", "x"}}},
        {"several", "oops\n[a]\nx=1\n\xC3\nalso oops\n", {1, 4, 5}, {{"a", "x", "1"}}, {}},
    };
    for (const DamageRow &row : rows) {
        SCOPED_TRACE(row.name);
        IniDocument::ParseResult result = IniDocument::Parse(row.text);
        std::vector<int> numbers;
        for (const auto &line : result.damagedLines)
            numbers.push_back(line.number);
        EXPECT_EQ(numbers, row.damagedLines);
        for (const auto &[section, key, value] : row.readable)
            EXPECT_EQ(result.document.Value(section, key), value) << section << "/" << key;
        for (const auto &[section, key] : row.unreadable)
            EXPECT_EQ(result.document.Value(section, key), std::nullopt) << section << "/" << key;
        EXPECT_EQ(result.document.Serialize(), row.text);
        result.document.SetValue("a", "new", "v");
        EXPECT_NE(result.document.Serialize().find(row.damagedLines.size() > 1 ? "also oops\n" : ""),
                  std::string::npos);
    }
}

TEST(IniDocument, ADamagedLineSaysWhyAndGivesWayToItsKeysValueInPlace)
{
    IniDocument::ParseResult result =
        IniDocument::Parse("[Pigmentrix]\npnlColor_Caption=caf\xE9\n[broken\noops\n[Pigmentrix]\nx=1\n");
    ASSERT_EQ(result.damagedLines.size(), 3u);
    EXPECT_EQ(result.damagedLines[0],
              (IniDocument::ParseResult::DamagedLine{2, "is not UTF-8 text", "pnlColor_Caption=caf\xE9"}));
    EXPECT_EQ(result.damagedLines[1].why, "is a [section] heading cut short");
    EXPECT_EQ(result.damagedLines[2].why, "is neither a setting (name=value) nor a [section] heading");
    using Keys = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(result.document.DamagedKeys(), (Keys{{"Pigmentrix", "pnlColor_Caption"}}));

    result.document.SetValue("Pigmentrix", "pnlColor_Caption", "Pigmentrix");
    EXPECT_EQ(result.document.Serialize(),
              "[Pigmentrix]\npnlColor_Caption=Pigmentrix\n[broken\noops\n[Pigmentrix]\nx=1\n")
        << "one line for the key, where the damaged one stood";
    EXPECT_EQ(result.document.DamagedKeys(), Keys{});
}

TEST(IniDocument, RefusesNamesTheFileCannotHold)
{
    IniDocument ini;
    EXPECT_THROW(ini.SetValue("s", "a=b", "v"), std::invalid_argument);
    EXPECT_THROW(ini.SetValue("s", "", "v"), std::invalid_argument);
    EXPECT_THROW(ini.SetValue("s", "line\nbreak", "v"), std::invalid_argument);
    EXPECT_THROW(ini.SetValue("a]b", "k", "v"), std::invalid_argument);
    EXPECT_THROW(ini.SetValue("", "k", "v"), std::invalid_argument);
    EXPECT_THROW(ini.SetValue("s", "\xFB", "v"), std::invalid_argument);
    EXPECT_THROW(ini.SetValue("caf\xE9", "k", "v"), std::invalid_argument);
}

} // namespace
} // namespace pigmentrix
