#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pigmentrix {

// An ini file held in memory so that it can be written back with everything
// the program does not know (other keys, sections, comments, blank lines)
// exactly where it was. Section and key names are matched without regard to
// ASCII letter case; a section name is plain text, so "pnlColor_Font\Style"
// is one section, not a path.
//
// Values are stored trimmed. A value that would not survive that (leading or
// trailing blanks, a line break, a leading quote) is written in double quotes
// with \\, \", \n, \r and \t escapes; a quoted value is read back unescaped.
class IniDocument {
public:
    struct ParseResult;

    // UTF-8 text (a leading byte-order mark is skipped); lines end with CR LF,
    // CR or LF. A line that is not blank, a comment (";" or "#"), a
    // "[section]" header or "key=value", or that is not UTF-8 or holds a NUL,
    // is damaged: it is kept byte for byte where it was and has no value. The
    // lines after a damaged header belong to no section until the next one.
    // A damaged line that still names its key ("Caption=<not UTF-8>") gives
    // way to that key's value when the key is set.
    static ParseResult Parse(std::string_view text);

    // UTF-8 text, lines ended by LF.
    std::string Serialize() const;

    std::optional<std::string> Value(std::string_view section, std::string_view key) const;

    // Replaces the value of an existing key in place, or appends the key to
    // its section, or appends a new section. Throws std::invalid_argument for
    // a section or key name the file could not hold.
    void SetValue(std::string_view section, std::string_view key, std::string_view value);

    bool HasSection(std::string_view section) const;

    // Every value, section by section in file order.
    void ForEachValue(
        const std::function<void(std::string_view section, std::string_view key, std::string_view value)> &visit) const;
    // Section and key of every damaged line that still names its key.
    std::vector<std::pair<std::string, std::string>> DamagedKeys() const;

private:
    struct Line {
        std::string key; // empty for a verbatim line
        std::string value;
        std::string verbatim;
        std::string damagedKey; // the key a damaged line still names
    };
    struct Section {
        std::optional<std::string> name; // none for the lines before the first header
        std::vector<Line> lines;
    };

    const Section *FindSection(std::string_view name) const;
    Section *FindSection(std::string_view name);

    std::vector<Section> sections_;
};

struct IniDocument::ParseResult {
    struct DamagedLine {
        int number = 0; // from 1
        std::string why; // "is not UTF-8 text", ...
        std::string bytes; // the line as it stands in the file
        friend bool operator==(const DamagedLine &, const DamagedLine &) = default;
    };
    IniDocument document;
    std::vector<DamagedLine> damagedLines;
};

} // namespace pigmentrix
