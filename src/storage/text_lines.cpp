#include "storage/text_lines.h"

#include <cstdint>

namespace pigmentrix {
namespace {

constexpr char32_t ReplacementCharacter = 0xFFFD;

void AppendUtf8(std::string &out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string DecodeLatin1(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes)
        AppendUtf8(out, static_cast<std::uint8_t>(c));
    return out;
}

bool StartsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

} // namespace

std::string QuotedExcerpt(std::string_view line)
{
    constexpr std::size_t MaxQuotedBytes = 40;
    std::size_t cut = line.size();
    if (cut > MaxQuotedBytes) {
        cut = MaxQuotedBytes;
        while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)
            --cut;
    }
    std::string quoted = "\"";
    for (char c : line.substr(0, cut))
        quoted += (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) ? '?' : c;
    if (cut < line.size())
        quoted += "...";
    return quoted + "\"";
}

bool IsSpaceOrTab(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view TrimSpacesAndTabs(std::string_view text)
{
    while (!text.empty() && IsSpaceOrTab(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSpaceOrTab(text.back()))
        text.remove_suffix(1);
    return text;
}

bool IsValidUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<std::uint8_t>(bytes[i]);
        std::size_t length;
        char32_t cp;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            cp = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            cp = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            cp = lead & 0x07;
        } else {
            return false;
        }
        if (i + length > bytes.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<std::uint8_t>(bytes[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (next & 0x3F);
        }
        const bool overlong = (length == 3 && cp < 0x800) || (length == 4 && cp < 0x10000);
        if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

std::string ToValidUtf8(std::string_view bytes)
{
    return IsValidUtf8(bytes) ? std::string(bytes) : DecodeLatin1(bytes);
}

std::string DecodeUtf16(std::string_view bytes, bool bigEndian)
{
    std::string out;
    out.reserve(bytes.size());
    auto unitAt = [&](std::size_t i) {
        const auto first = static_cast<std::uint8_t>(bytes[i]);
        const auto second = static_cast<std::uint8_t>(bytes[i + 1]);
        return static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    };
    std::size_t i = 0;
    while (i + 1 < bytes.size()) {
        const char16_t unit = unitAt(i);
        i += 2;
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < bytes.size()) {
            const char16_t low = unitAt(i);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                i += 2;
                AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                continue;
            }
        }
        AppendUtf8(out, (unit >= 0xD800 && unit <= 0xDFFF) ? ReplacementCharacter : unit);
    }
    if (i < bytes.size())
        AppendUtf8(out, ReplacementCharacter);
    return out;
}

std::u16string EncodeUtf16(std::string_view text)
{
    const std::string utf8 = ToValidUtf8(text);
    std::u16string units;
    units.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<std::uint8_t>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k)
            cp = (cp << 6) | (static_cast<std::uint8_t>(utf8[i + k]) & 0x3F);
        i += length;
        if (cp < 0x10000) {
            units += static_cast<char16_t>(cp);
        } else {
            units += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
            units += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        }
    }
    return units;
}

std::string DecodeTextFile(std::string_view bytes)
{
    if (StartsWith(bytes, "\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
        return ToValidUtf8(bytes);
    }
    if (StartsWith(bytes, "\xFF\xFE"))
        return DecodeUtf16(bytes.substr(2), false);
    if (StartsWith(bytes, "\xFE\xFF"))
        return DecodeUtf16(bytes.substr(2), true);
    return ToValidUtf8(bytes);
}

std::vector<std::string> SplitLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

} // namespace pigmentrix
