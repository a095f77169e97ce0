#include "update/version_file.h"

#include <gtest/gtest.h>

namespace pigmentrix {
namespace {

struct LinesRow {
    const char *name;
    QString text;
    QStringList lines;
};

TEST(SplitVersionLines, BreaksAtEveryKindOfLineEndAndStopsAtNul)
{
    const std::vector<LinesRow> rows = {
        {"empty", QString(), {}},
        {"one line without end", QStringLiteral("a"), {"a"}},
        {"CR LF", QStringLiteral("a\r\nb\r\n"), {"a", "b"}},
        {"LF", QStringLiteral("a\nb"), {"a", "b"}},
        {"CR", QStringLiteral("a\rb"), {"a", "b"}},
        {"LF CR is two breaks", QStringLiteral("a\n\rb"), {"a", "", "b"}},
        {"blank lines kept", QStringLiteral("a\n\nb"), {"a", "", "b"}},
        {"mixed", QStringLiteral("a\r\nb\rc\nd"), {"a", "b", "c", "d"}},
        {"NUL ends the text", QStringLiteral("a\nb") + QChar(u'\0') + QStringLiteral("\nc"), {"a", "b"}},
        {"NUL first", QString(QChar(u'\0')) + QStringLiteral("a"), {}},
    };
    for (const LinesRow &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(SplitVersionLines(row.text), row.lines);
    }
}

struct ValueRow {
    const char *line;
    const char *value;
};

TEST(GetContentValue, ReadsTheQuotedTextAfterTheMarker)
{
    const std::vector<ValueRow> rows = {
        {R"(<meta name="Version" content="15.1">)", "15.1"},
        {R"(<META NAME="Version" CONTENT="15.1">)", "15.1"},
        {R"(<meta name="Version" CoNtEnT="2.0" />)", "2.0"},
        // Any opening character is skipped, only a double quote closes.
        {R"(Version content='15.1")", "15.1"},
        {R"(Version content=x15.1')", ""},
        {R"(<meta name="Version" content="">)", ""},
        {R"(<meta name="Version" content=")", ""},
        {R"(<meta name="Version" content=)", ""},
        // The first marker counts.
        {R"(content="a" content="b")", "a"},
        // Without the marker the value is read from the ninth character on.
        {R"(12345678abc"def)", "abc"},
        {R"(Version=15.1")", "15.1"},
        {R"(Version=")", ""},
        {"short", ""},
        {"", ""},
    };
    for (const ValueRow &row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(GetContentValue(QString::fromUtf8(row.line)), QString::fromUtf8(row.value));
    }
}

TEST(GetContentValue, LooksForTheClosingQuoteWithin255Characters)
{
    const QString prefix = QStringLiteral("content=\"");
    EXPECT_EQ(GetContentValue(prefix + QString(254, QLatin1Char('x')) + QLatin1Char('"')),
              QString(254, QLatin1Char('x')));
    EXPECT_EQ(GetContentValue(prefix + QString(255, QLatin1Char('x')) + QLatin1Char('"')), QString());
}

TEST(GetContentValue, KeepsPositionsWhenNonAsciiLettersWouldChangeLengthInUpperCase)
{
    // "ß" becomes "SS" in full upper case; the marker must still be found at
    // its own place.
    EXPECT_EQ(GetContentValue(QStringLiteral("ßß content=\"15.1\"")), QStringLiteral("15.1"));
    EXPECT_EQ(GetContentValue(QStringLiteral("Größe content=\"ü\"")), QStringLiteral("ü"));
}

TEST(FindValue, LastMatchingLineWinsEvenWhenItsValueIsEmpty)
{
    const QStringList lines = {
        R"(<meta name="Version" content="15.1">)",
        R"(<meta name="whatsnew1" content="First">)",
        R"(<meta name="version" content="99.0">)",
    };
    EXPECT_EQ(FindValue(lines, QStringLiteral("Version")), QStringLiteral("15.1"));
    EXPECT_EQ(FindValue(lines + QStringList{R"(Version without a value)"}, QStringLiteral("Version")), QString());
    EXPECT_EQ(FindValue(lines, QStringLiteral("whatsnew1")), QStringLiteral("First"));
    EXPECT_EQ(FindValue(lines, QStringLiteral("whatsnew2")), QString());
    EXPECT_EQ(FindValue({}, QStringLiteral("Version")), QString());
}

struct VersionRow {
    const char *text;
    int major;
    int minor;
};

TEST(VersionNumbers, SplitAtTheFirstDotAsIntegerTexts)
{
    const std::vector<VersionRow> rows = {
        {"15.1", 15, 1},   {"15.10", 15, 10}, {"16", 0, 16},           {"15.1.2", 15, 0}, {".5", 0, 5},
        {"5.", 5, 0},      {"", 0, 0},        {"a.b", 0, 0},           {" 15. 2", 15, 2}, {"$10.$0A", 16, 10},
        {"-1.-2", -1, -2}, {"15.1 ", 15, 0},  {"99999999999.1", 0, 1},
    };
    for (const VersionRow &row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(VersionMajor(QString::fromLatin1(row.text)), row.major);
        EXPECT_EQ(VersionMinor(QString::fromLatin1(row.text)), row.minor);
    }
}

struct CompareRow {
    const char *own;
    const char *newest;
    Upgrade upgrade;
};

TEST(CompareVersions, MajorBeforeMinor)
{
    const std::vector<CompareRow> rows = {
        {"15.0", "15.1", Upgrade::Minor},  {"15.0", "16.0", Upgrade::Major},  {"15.0", "15.0", Upgrade::None},
        {"15.0", "14.9", Upgrade::None},   {"15.9", "15.10", Upgrade::Minor}, {"15.0", "16", Upgrade::None},
        {"15.0", "15.1.2", Upgrade::None}, {"15.9", "16.0", Upgrade::Major},  {"15.9", "14.99", Upgrade::None},
        {"1.0", "1.0.1", Upgrade::None},
    };
    for (const CompareRow &row : rows) {
        SCOPED_TRACE(std::string(row.own) + " -> " + row.newest);
        EXPECT_EQ(CompareVersions(QString::fromLatin1(row.own), QString::fromLatin1(row.newest)), row.upgrade);
    }
}

TEST(ReadVersionFile, ReadsVersionVerdictAndNewsInKeyOrder)
{
    const QString file = QStringLiteral("<html><head>\r\n"
                                        "<meta name=\"whatsnew3\" content=\"Third\">\r\n"
                                        "<meta name=\"Version\" content=\"15.1\">\r\n"
                                        "<meta name=\"whatsnew1\" content=\"First\">\r\n"
                                        "<meta name=\"whatsnew4\" content=\"Fourth\">\r\n"
                                        "</head></html>\r\n");
    const std::optional<VersionReport> report = ReadVersionFile(file, QStringLiteral("15.0"));
    ASSERT_TRUE(report);
    EXPECT_EQ(report->newVersion, QStringLiteral("15.1"));
    EXPECT_EQ(report->upgrade, Upgrade::Minor);
    EXPECT_EQ(report->news, (std::array<QString, 4>{"First", "", "Third", "Fourth"}));
}

TEST(ReadVersionFile, ANewsLineMentioningVersionAfterTheRealOneBecomesTheVersion)
{
    const QString file = QStringLiteral("<meta name=\"Version\" content=\"16.0\">\n"
                                        "<meta name=\"whatsnew2\" content=\"Version history moved\">\n");
    const std::optional<VersionReport> report = ReadVersionFile(file, QStringLiteral("15.0"));
    ASSERT_TRUE(report);
    EXPECT_EQ(report->newVersion, QStringLiteral("Version history moved"));
    EXPECT_EQ(report->news[1], QStringLiteral("Version history moved"));
    EXPECT_EQ(report->upgrade, Upgrade::None);
}

TEST(ReadVersionFile, FailsWithoutANonEmptyVersion)
{
    const std::vector<QString> rows = {
        QString(),
        QStringLiteral("<html><body><h1>404 Not Found</h1></body></html>"),
        QStringLiteral("<meta name=\"Version\" content=\"\">"),
        QStringLiteral("<meta name=\"Version\" content=\"15.1\">\n<p>Version</p>"),
        QString(QChar(u'\0')) + QStringLiteral("<meta name=\"Version\" content=\"15.1\">"),
    };
    for (const QString &text : rows) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_FALSE(ReadVersionFile(text, QStringLiteral("15.0")));
    }
}

} // namespace
} // namespace pigmentrix
