#include "model/color_codes.h"
#include "model/conversions.h"
#include "model/css_color.h"
#include "model/integer_text.h"
#include "model/rounding.h"

#include <algorithm>
#include <array>
#include <string>

namespace pigmentrix {
namespace {

// Channels read from text may lie anywhere in 32 bits; composing keeps the
// low 8 bits, so wider arithmetic only avoids overflow, it never changes a colour.
int LowBits(std::int64_t value)
{
    return static_cast<int>(value);
}

std::string_view LastChars(std::string_view text, std::size_t n)
{
    return text.size() <= n ? text : text.substr(text.size() - n);
}

// Characters first..last, counted from 1; positions past the end are missing.
std::string_view Chars(std::string_view text, std::size_t first, std::size_t last)
{
    if (first > text.size())
        return {};
    return text.substr(first - 1, last - first + 1);
}

bool IsBlankOrControl(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlankOrControl(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlankOrControl(text.back()))
        text.remove_suffix(1);
    return text;
}

// Comma split: each number is the text before the next comma; the last one is
// whatever remains. A missing comma leaves an empty number text, which fails.
template <std::size_t N>
std::array<int, N> CommaSeparatedNumbers(std::string_view text)
{
    std::array<int, N> numbers{};
    for (std::size_t i = 0; i + 1 < N; ++i) {
        const std::size_t comma = text.find(',');
        if (comma == std::string_view::npos) {
            numbers[i] = StrToInt({});
        } else {
            numbers[i] = StrToInt(Trim(text.substr(0, comma)));
            text.remove_prefix(comma + 1);
        }
    }
    numbers[N - 1] = StrToInt(Trim(text));
    return numbers;
}

std::string WithoutPercentSigns(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (char c : text)
        if (c != '%')
            result += c;
    return result;
}

bool IsContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The text after its first n characters, counted in UTF-16 units as the
// picker's edit box counts them: a four-byte UTF-8 sequence is a surrogate
// pair and counts twice. Cutting through a pair leaves its continuation bytes
// in front, which no reader accepts, just as a lone low surrogate would not be.
std::string_view AfterUtf16Units(std::string_view text, int n)
{
    std::size_t i = 0;
    int units = 0;
    while (i < text.size() && units < n) {
        const int sequenceUnits = static_cast<unsigned char>(text[i]) >= 0xF0 ? 2 : 1;
        if (units + sequenceUnits > n)
            return text.substr(i + 1);
        units += sequenceUnits;
        ++i;
        while (i < text.size() && IsContinuationByte(text[i]))
            ++i;
    }
    return text.substr(i);
}

// Hexadecimal pieces in the order blue, green, red, as the "Delphi Hex",
// "VB Hex" and "C++ Hex" codes store them; an alpha byte in front is ignored.
TColor ReadBGRHex(std::string_view text)
{
    const std::string_view code = LastChars(text, 6);
    const int b = HexByte(Chars(code, 1, 2));
    const int g = HexByte(Chars(code, 3, 4));
    const int r = HexByte(Chars(code, 5, 6));
    return ComposeColor(r, g, b);
}

TColor ReadRGBHex(std::string_view code)
{
    const int r = HexByte(Chars(code, 1, 2));
    const int g = HexByte(Chars(code, 3, 4));
    const int b = HexByte(Chars(code, 5, 6));
    return ComposeColor(r, g, b);
}

int PercentToChannel(int percent)
{
    return LowBits(Round(static_cast<double>(static_cast<std::int64_t>(percent) * 255) / 100));
}

TColor ReadHSL(std::string_view text)
{
    const std::string numbersOnly = WithoutPercentSigns(text);
    const auto [h, s, l] = CommaSeparatedNumbers<3>(numbersOnly);
    try {
        return HSLtoRGB(h / 360.0, s / 100.0, l / 100.0);
    } catch (const FloatRangeError &error) {
        // Far-out saturations and lightnesses can leave the 64-bit range.
        throw ConvertError(error.what());
    }
}

TColor ReadHSV(std::string_view text)
{
    const auto [h, s, v] = CommaSeparatedNumbers<3>(text);
    const std::optional<RGBValues> rgb = HSVtoRGB(h, s, v);
    if (!rgb)
        throw ConvertError("'" + std::to_string(h) + "' is not a valid hue");
    return ComposeColor(rgb->R, rgb->G, rgb->B);
}

int InkToChannel(std::int64_t blackRemaining, int ink)
{
    return LowBits(Round(static_cast<double>(blackRemaining) * 2.55 * (1 - ink / 100.0)));
}

TColor ReadCMYK(std::string_view text)
{
    const auto [c, m, y, k] = CommaSeparatedNumbers<4>(text);
    const std::int64_t blackRemaining = 100 - static_cast<std::int64_t>(k);
    return ComposeColor(InkToChannel(blackRemaining, c), InkToChannel(blackRemaining, m),
                        InkToChannel(blackRemaining, y));
}

TColor ReadPowerbuilder(std::string_view text)
{
    const int d = StrToInt(Trim(text));
    if (d > clWhite)
        return clBlack;
    // Truncating division and a remainder with the sign of d, so negative
    // numbers wrap channel by channel: -1 is pure red.
    const int b = d / 65536;
    const int g = (d - b * 65536) / 256;
    const int r = d % 256;
    return ComposeColor(r, g, b);
}

} // namespace

int HexByte(std::string_view piece)
{
    int value = 0;
    if (!TryHexDigitsToInt(piece, value))
        throw ConvertError(InvalidIntegerMessage("$" + std::string(piece)));
    return value;
}

std::uint16_t RGB565TextToWord(std::string_view text)
{
    const std::string_view digits = AfterUtf16Units(text, 2);
    if (digits.empty())
        throw ConvertError("Invalid hexadecimal string format");
    return static_cast<std::uint16_t>(HexByte(digits));
}

ParsedColorCode ParseColorCode(std::string_view text, int index)
{
    ParsedColorCode parsed;
    switch (index) {
    case notation::HTMLHex: parsed.color = ReadRGBHex(LastChars(text, 6)); break;
    case notation::DelphiHex:
    case notation::VBHex:
    case notation::CppHex: parsed.color = ReadBGRHex(text); break;
    case notation::RGBValues: {
        const auto [r, g, b] = CommaSeparatedNumbers<3>(text);
        parsed.color = ComposeColor(r, g, b);
        break;
    }
    case notation::RGBPercentValues: {
        const auto [r, g, b] = CommaSeparatedNumbers<3>(text);
        parsed.color = ComposeColor(PercentToChannel(r), PercentToChannel(g), PercentToChannel(b));
        break;
    }
    case notation::HSL: parsed.color = ReadHSL(text); break;
    case notation::HSVHSB: parsed.color = ReadHSV(text); break;
    case notation::CMY: {
        const auto [c, m, y] = CommaSeparatedNumbers<3>(text);
        parsed.color = ComposeColor(LowBits(255LL - c), LowBits(255LL - m), LowBits(255LL - y));
        break;
    }
    case notation::CMYK: parsed.color = ReadCMYK(text); break;
    case notation::Photoshop: parsed.color = ReadRGBHex(Trim(text)); break;
    case notation::Powerbuilder: parsed.color = ReadPowerbuilder(text); break;
    case notation::AndroidTransparent: {
        const std::string_view code = LastChars(text, 8);
        parsed.color = ReadRGBHex(code.substr(std::min<std::size_t>(2, code.size())));
        parsed.alpha = HexByte(Chars(code, 1, 2));
        break;
    }
    case notation::CSSRGBA: {
        const std::string_view code = LastChars(text, 8);
        parsed.color = ReadRGBHex(code);
        parsed.alpha = HexByte(Chars(code, 7, 8));
        break;
    }
    case notation::RGB565: parsed.color = RGB565ToColor(RGB565TextToWord(text)); break;
    default:
        if (IsCssNotation(index)) {
            const CssColor css = ReadCssColor(text);
            parsed.color = css.color;
            parsed.alpha = css.alpha;
        }
        break;
    }
    return parsed;
}

} // namespace pigmentrix
