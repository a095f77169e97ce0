#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace pigmentrix {

// The version file is a text of lines; a line carries the value of a key when
// the key occurs in it and it holds CONTENT=" followed by the value and a
// closing double quote (as in an HTML meta tag).

// Lines of the downloaded text, split at CR LF, LF or CR. A NUL character
// ends the text.
QStringList SplitVersionLines(const QString &text);

// The quoted value after CONTENT= (any letter case) in line. Without the
// marker the value is read from the line's ninth character on. At most 254
// characters; empty when no closing quote follows.
QString GetContentValue(const QString &line);

// The value of the last line containing key (case-sensitive), even when that
// value is empty; empty when no line contains key.
QString FindValue(const QStringList &lines, const QString &key);

// The integer before the first "." of a "major.minor" text; 0 when it is not
// an integer or there is no ".".
int VersionMajor(const QString &text);

// The integer after the first "." (the whole text when there is none); 0
// when it is not an integer.
int VersionMinor(const QString &text);

enum class Upgrade { None, Minor, Major };

// How newest relates to own: a higher major number is a major upgrade, a
// higher minor number with the same major one a minor upgrade.
Upgrade CompareVersions(const QString &own, const QString &newest);

// What the version file says to this program.
struct VersionReport {
    QString newVersion;
    Upgrade upgrade = Upgrade::None;
    // The news lines of the keys "whatsnew1" .. "whatsnew4", in key order; a
    // missing key gives an empty line.
    std::array<QString, 4> news;
};

// Reads the downloaded text against the own version; nullopt when the text
// has no non-empty "Version" value (also a server's error page).
std::optional<VersionReport> ReadVersionFile(const QString &text, const QString &ownVersion);

} // namespace pigmentrix
