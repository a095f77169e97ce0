#include "update/version_file.h"

#include "model/integer_text.h"

namespace pigmentrix {
namespace {

constexpr QLatin1String ContentMarker("CONTENT=");
// The marker and the opening character before the value.
constexpr qsizetype SkipToValue = 9;
constexpr qsizetype MaxTailLength = 255;

// Upper case of the ASCII letters only, so that positions stay those of the
// original line.
QString AsciiUpperCase(const QString &text)
{
    QString upper = text;
    for (QChar &c : upper) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    }
    return upper;
}

int IntegerOrZero(const QString &text)
{
    return TryStrToInt(text.toStdString()).value_or(0);
}

} // namespace

QStringList SplitVersionLines(const QString &text)
{
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    const QString kept = nul < 0 ? text : text.left(nul);
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < kept.size(); ++i) {
        const QChar c = kept[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines << kept.mid(start, i - start);
        if (c == QLatin1Char('\r') && i + 1 < kept.size() && kept[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < kept.size())
        lines << kept.mid(start);
    return lines;
}

QString GetContentValue(const QString &line)
{
    // A missing marker counts as found at position 0, so the value starts at
    // the ninth character.
    const qsizetype marker = AsciiUpperCase(line).indexOf(ContentMarker);
    const qsizetype start = marker < 0 ? SkipToValue - 1 : marker + SkipToValue;
    if (start >= line.size())
        return {};
    const QString tail = line.mid(start, MaxTailLength);
    const qsizetype quote = tail.indexOf(QLatin1Char('"'));
    return quote <= 0 ? QString() : tail.left(quote);
}

QString FindValue(const QStringList &lines, const QString &key)
{
    QString value;
    for (const QString &line : lines) {
        if (line.contains(key, Qt::CaseSensitive))
            value = GetContentValue(line);
    }
    return value;
}

int VersionMajor(const QString &text)
{
    const qsizetype dot = text.indexOf(QLatin1Char('.'));
    return dot < 0 ? 0 : IntegerOrZero(text.left(dot));
}

int VersionMinor(const QString &text)
{
    const qsizetype dot = text.indexOf(QLatin1Char('.'));
    return IntegerOrZero(dot < 0 ? text : text.mid(dot + 1));
}

Upgrade CompareVersions(const QString &own, const QString &newest)
{
    const int ownMajor = VersionMajor(own);
    const int newMajor = VersionMajor(newest);
    if (newMajor > ownMajor)
        return Upgrade::Major;
    if (newMajor == ownMajor && VersionMinor(newest) > VersionMinor(own))
        return Upgrade::Minor;
    return Upgrade::None;
}

std::optional<VersionReport> ReadVersionFile(const QString &text, const QString &ownVersion)
{
    const QStringList lines = SplitVersionLines(text);
    VersionReport report;
    report.newVersion = FindValue(lines, QStringLiteral("Version"));
    if (report.newVersion.isEmpty())
        return std::nullopt;
    report.upgrade = CompareVersions(ownVersion, report.newVersion);
    for (std::size_t i = 0; i < report.news.size(); ++i)
        report.news[i] = FindValue(lines, QStringLiteral("whatsnew") + QString::number(i + 1));
    return report;
}

} // namespace pigmentrix
