#include "storage/ini_document.h"

#include "storage/text_lines.h"

#include <iterator>
#include <stdexcept>
#include <utility>

namespace pigmentrix {
namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

bool HasControlCharacter(std::string_view text)
{
    for (char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t')
            return true;
    }
    return false;
}

bool NeedsQuotes(std::string_view value)
{
    if (value.empty())
        return false;
    return IsSpaceOrTab(value.front()) || IsSpaceOrTab(value.back()) || value.front() == '"'
           || HasControlCharacter(value);
}

std::string Quote(std::string_view value)
{
    std::string quoted = "\"";
    for (char c : value) {
        switch (c) {
        case '\\': quoted += "\\\\"; break;
        case '"': quoted += "\\\""; break;
        case '\n': quoted += "\\n"; break;
        case '\r': quoted += "\\r"; break;
        case '\t': quoted += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                static constexpr char Hex[] = "0123456789ABCDEF";
                quoted += "\\x";
                quoted += Hex[(c >> 4) & 0xF];
                quoted += Hex[c & 0xF];
            } else {
                quoted += c;
            }
        }
    }
    quoted += '"';
    return quoted;
}

bool IsHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    return (c >= 'a' ? c - 'a' : c - 'A') + 10;
}

std::string Unquote(std::string_view quoted)
{
    std::string value;
    for (std::size_t i = 0; i < quoted.size(); ++i) {
        const char c = quoted[i];
        if (c != '\\' || i + 1 == quoted.size()) {
            value += c;
            continue;
        }
        const char next = quoted[++i];
        switch (next) {
        case '\\': value += '\\'; break;
        case '"': value += '"'; break;
        case 'n': value += '\n'; break;
        case 'r': value += '\r'; break;
        case 't': value += '\t'; break;
        case 'x':
            // Only ASCII, as written: a lone byte from 0x80 up would make the
            // value, and the file it is written back to, invalid UTF-8.
            if (i + 2 < quoted.size() && IsHexDigit(quoted[i + 1]) && IsHexDigit(quoted[i + 2])
                && HexValue(quoted[i + 1]) < 8) {
                value += static_cast<char>(HexValue(quoted[i + 1]) * 16 + HexValue(quoted[i + 2]));
                i += 2;
                break;
            }
            [[fallthrough]];
        default: value += '\\'; value += next;
        }
    }
    return value;
}

std::string ReadValue(std::string_view stored)
{
    if (stored.size() >= 2 && stored.front() == '"' && stored.back() == '"')
        return Unquote(stored.substr(1, stored.size() - 2));
    return std::string(stored);
}

bool IsComment(std::string_view trimmed)
{
    return !trimmed.empty() && (trimmed.front() == ';' || trimmed.front() == '#');
}

void CheckSectionName(std::string_view name)
{
    if (name.empty() || name != TrimSpacesAndTabs(name) || HasControlCharacter(name) || !IsValidUtf8(name)
        || name.find(']') != std::string_view::npos)
        throw std::invalid_argument("unusable ini section name: " + std::string(name));
}

void CheckKey(std::string_view key)
{
    // A name that is not UTF-8 would make the whole file unreadable next time.
    if (key.empty() || key != TrimSpacesAndTabs(key) || HasControlCharacter(key) || !IsValidUtf8(key)
        || key.find('=') != std::string_view::npos || key.front() == '[' || IsComment(key))
        throw std::invalid_argument("unusable ini key: " + std::string(key));
}

} // namespace

IniDocument::ParseResult IniDocument::Parse(std::string_view text)
{
    if (text.starts_with(ByteOrderMark))
        text.remove_prefix(ByteOrderMark.size());

    ParseResult result;
    std::vector<Section> &sections = result.document.sections_;
    sections.push_back(Section{std::nullopt, {}});
    int lineNumber = 0;
    for (const std::string &line : SplitLines(text)) {
        ++lineNumber;
        const std::string_view trimmed = TrimSpacesAndTabs(line);
        const auto keepDamaged = [&](std::string why) {
            // The key it names, where that can still be told.
            std::string named;
            const std::size_t equals = trimmed.find('=');
            if (equals != std::string_view::npos && trimmed.front() != '[' && !IsComment(trimmed)) {
                const std::string_view key = TrimSpacesAndTabs(trimmed.substr(0, equals));
                if (IsValidUtf8(key) && key.find('\0') == std::string_view::npos)
                    named = key;
            }
            sections.back().lines.push_back(Line{{}, {}, line, std::move(named)});
            result.damagedLines.push_back({lineNumber, std::move(why), line});
        };
        if (!IsValidUtf8(line)) {
            keepDamaged("is not UTF-8 text");
        } else if (line.find('\0') != std::string::npos) {
            keepDamaged("holds a NUL character");
        } else if (trimmed.empty() || IsComment(trimmed)) {
            sections.back().lines.push_back(Line{{}, {}, line, {}});
        } else if (trimmed.front() == '[') {
            if (trimmed.back() == ']' && trimmed.size() >= 3) {
                sections.push_back(Section{std::string(trimmed.substr(1, trimmed.size() - 2)), {}});
            } else {
                // Its keys must not land in the section before it.
                sections.push_back(Section{std::nullopt, {}});
                keepDamaged("is a [section] heading cut short");
            }
        } else {
            const std::size_t equals = trimmed.find('=');
            const std::string_view key = TrimSpacesAndTabs(trimmed.substr(0, equals));
            if (equals == std::string_view::npos || key.empty())
                keepDamaged("is neither a setting (name=value) nor a [section] heading");
            else
                sections.back().lines.push_back(
                    Line{std::string(key), ReadValue(TrimSpacesAndTabs(trimmed.substr(equals + 1))), {}, {}});
        }
    }
    return result;
}

std::string IniDocument::Serialize() const
{
    std::string text;
    for (const Section &section : sections_) {
        if (section.name)
            text += "[" + *section.name + "]\n";
        for (const Line &line : section.lines) {
            if (line.key.empty())
                text += line.verbatim;
            else
                text += line.key + "=" + (NeedsQuotes(line.value) ? Quote(line.value) : line.value);
            text += '\n';
        }
    }
    // Text that itself begins with U+FEFF would lose it to the byte-order
    // mark rule when read back; a mark in front keeps it.
    if (text.starts_with(ByteOrderMark))
        text.insert(0, ByteOrderMark);
    return text;
}

const IniDocument::Section *IniDocument::FindSection(std::string_view name) const
{
    for (const Section &section : sections_) {
        if (section.name && EqualsIgnoringAsciiCase(*section.name, name))
            return &section;
    }
    return nullptr;
}

IniDocument::Section *IniDocument::FindSection(std::string_view name)
{
    return const_cast<Section *>(std::as_const(*this).FindSection(name));
}

bool IniDocument::HasSection(std::string_view section) const
{
    return FindSection(section) != nullptr;
}

void IniDocument::ForEachValue(
    const std::function<void(std::string_view section, std::string_view key, std::string_view value)> &visit) const
{
    for (const Section &section : sections_) {
        if (!section.name)
            continue;
        for (const Line &line : section.lines) {
            if (!line.key.empty())
                visit(*section.name, line.key, line.value);
        }
    }
}

std::vector<std::pair<std::string, std::string>> IniDocument::DamagedKeys() const
{
    std::vector<std::pair<std::string, std::string>> keys;
    for (const Section &section : sections_) {
        for (const Line &line : section.lines) {
            if (section.name && !line.damagedKey.empty())
                keys.emplace_back(*section.name, line.damagedKey);
        }
    }
    return keys;
}

std::optional<std::string> IniDocument::Value(std::string_view section, std::string_view key) const
{
    const Section *found = FindSection(section);
    if (!found)
        return std::nullopt;
    for (const Line &line : found->lines) {
        if (!line.key.empty() && EqualsIgnoringAsciiCase(line.key, key))
            return line.value;
    }
    return std::nullopt;
}

void IniDocument::SetValue(std::string_view section, std::string_view key, std::string_view value)
{
    CheckSectionName(section);
    CheckKey(key);
    Section *target = FindSection(section);
    if (!target) {
        if (!sections_.empty()) {
            std::vector<Line> &last = sections_.back().lines;
            const bool endsBlank =
                !last.empty() && last.back().key.empty() && TrimSpacesAndTabs(last.back().verbatim).empty();
            const bool documentEmpty = sections_.size() == 1 && last.empty();
            if (!endsBlank && !documentEmpty)
                last.push_back(Line{{}, {}, {}, {}});
        }
        sections_.push_back(Section{std::string(section), {}});
        target = &sections_.back();
    }
    for (Line &line : target->lines) {
        if (!line.key.empty() && EqualsIgnoringAsciiCase(line.key, key)) {
            line.value = ToValidUtf8(value);
            return;
        }
    }
    // A line the key's value could not be read from takes the value in its
    // place: the file keeps one line for the key.
    for (Line &line : target->lines) {
        if (!line.damagedKey.empty() && EqualsIgnoringAsciiCase(line.damagedKey, key)) {
            line = Line{std::string(key), ToValidUtf8(value), {}, {}};
            return;
        }
    }
    // New keys go after the section's last key, before blank lines or
    // comments that separate it from the next section.
    auto position = target->lines.end();
    while (position != target->lines.begin() && std::prev(position)->key.empty())
        --position;
    target->lines.insert(position, Line{std::string(key), ToValidUtf8(value), {}, {}});
}

} // namespace pigmentrix
