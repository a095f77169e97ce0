#include "storage/setting_values.h"

#include "model/integer_text.h"
#include "storage/color_identifiers.h"

#include <array>
#include <charconv>

namespace pigmentrix {
namespace {

struct CharsetIdent {
    int number;
    std::string_view name;
};

constexpr std::array<CharsetIdent, 18> Charsets = {{
    {0, "ANSI_CHARSET"},
    {1, "DEFAULT_CHARSET"},
    {2, "SYMBOL_CHARSET"},
    {77, "MAC_CHARSET"},
    {128, "SHIFTJIS_CHARSET"},
    {129, "HANGEUL_CHARSET"},
    {130, "JOHAB_CHARSET"},
    {134, "GB2312_CHARSET"},
    {136, "CHINESEBIG5_CHARSET"},
    {161, "GREEK_CHARSET"},
    {162, "TURKISH_CHARSET"},
    {177, "HEBREW_CHARSET"},
    {178, "ARABIC_CHARSET"},
    {186, "BALTIC_CHARSET"},
    {204, "RUSSIAN_CHARSET"},
    {222, "THAI_CHARSET"},
    {238, "EASTEUROPE_CHARSET"},
    {255, "OEM_CHARSET"},
}};

bool SameIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && AsciiUpperCase(a) == AsciiUpperCase(b);
}

bool InWordList(std::string_view list, std::string_view text)
{
    for (const std::string &word : SplitWordList(list)) {
        if (SameIgnoringCase(word, text))
            return true;
    }
    return false;
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::vector<std::string> SplitWordList(std::string_view list)
{
    std::vector<std::string> words;
    for (;;) {
        const std::size_t comma = list.find(',');
        const std::string_view word = TrimBlanks(list.substr(0, comma));
        if (!word.empty())
            words.emplace_back(word);
        if (comma == std::string_view::npos)
            return words;
        list.remove_prefix(comma + 1);
    }
}

std::string EncodeBoolean(bool value)
{
    return SplitWordList(value ? TrueList : FalseList).front();
}

std::optional<bool> DecodeBoolean(std::string_view text)
{
    if (InWordList(TrueList, text))
        return true;
    if (InWordList(FalseList, text))
        return false;
    return std::nullopt;
}

std::string EncodeInteger(int value)
{
    return std::to_string(value);
}

std::optional<int> DecodeInteger(std::string_view text)
{
    return TryStrToInt(text);
}

std::string EncodeInt64(std::int64_t value)
{
    return std::to_string(value);
}

std::optional<std::int64_t> DecodeInt64(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '+' || text.front() == '-'))
        text.remove_prefix(1);
    if (text.empty() || text.front() < '0' || text.front() > '9')
        return std::nullopt;
    std::uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    constexpr std::uint64_t Limit = std::uint64_t{1} << 63;
    if (negative ? magnitude > Limit : magnitude >= Limit)
        return std::nullopt;
    return negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
}

std::string EncodeColor(TColor value)
{
    return ColorToSettingText(value);
}

std::optional<TColor> DecodeColor(std::string_view text)
{
    return ReadColorText(text);
}

std::string EncodeEnumeration(std::span<const std::string_view> names, int index)
{
    if (index >= 0 && index < static_cast<int>(names.size()))
        return std::string(names[index]);
    return std::to_string(index);
}

std::optional<int> DecodeEnumeration(std::span<const std::string_view> names, std::string_view text)
{
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (SameIgnoringCase(names[i], text))
            return static_cast<int>(i);
    }
    const auto number = TryStrToInt(text);
    if (number && *number >= 0 && *number < static_cast<int>(names.size()))
        return number;
    return std::nullopt;
}

std::string EncodeCharset(int charset)
{
    for (const CharsetIdent &entry : Charsets) {
        if (entry.number == charset)
            return std::string(entry.name);
    }
    return std::to_string(charset);
}

std::optional<int> DecodeCharset(std::string_view text)
{
    for (const CharsetIdent &entry : Charsets) {
        if (SameIgnoringCase(entry.name, text))
            return entry.number;
    }
    const auto number = TryStrToInt(text);
    if (number && *number >= 0 && *number <= 255)
        return number;
    return std::nullopt;
}

} // namespace pigmentrix
