#pragma once

#include <optional>
#include <string>
#include <string_view>
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
    static ParseResult Parse(std::string_view text);

    // UTF-8 text, lines ended by LF.
    std::string Serialize() const;

    std::optional<std::string> Value(std::string_view section, std::string_view key) const;

    // Replaces the value of an existing key in place, or appends the key to
    // its section, or appends a new section. Throws std::invalid_argument for
    // a section or key name the file could not hold.
    void SetValue(std::string_view section, std::string_view key, std::string_view value);

    bool HasSection(std::string_view section) const;

private:
    struct Line {
        std::string key; // empty for a verbatim line
        std::string value;
        std::string verbatim;
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
    IniDocument document;
    std::vector<int> damagedLines; // line numbers, from 1
};

} // namespace pigmentrix
