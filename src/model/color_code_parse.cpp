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

// A component typed outside its notation's range is a typo, never a colour:
// it would otherwise wrap round to an unrelated one.
int InRange(int value, int maximum)
{
    if (value < 0 || value > maximum)
        throw ConvertError("'" + std::to_string(value) + "' is out of the range 0 to " + std::to_string(maximum));
    return value;
}

bool IsHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

bool AllHexDigits(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), IsHexDigit);
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

// The same, each number within 0..maximum of its place.
template <std::size_t N>
std::array<int, N> CommaSeparatedComponents(std::string_view text, const std::array<int, N> &maximum)
{
    std::array<int, N> numbers = CommaSeparatedNumbers<N>(text);
    for (std::size_t i = 0; i < N; ++i)
        InRange(numbers[i], maximum[i]);
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

// "0x00FF8000": a C-style number whose top byte is zero.
bool IsZeroPaddedPrefix(std::string_view prefix)
{
    return prefix.size() >= 2 && prefix[0] == '0' && (prefix[1] == 'x' || prefix[1] == 'X')
           && prefix.find_first_not_of('0', 2) == std::string_view::npos;
}

// "#FF8000", "FF8000", "0x00FF8000" or the short "#F80", with blanks around;
// text in front that ends in a colour digit ("#FF8000CC", "#1234567") means
// digits the code would drop, and is refused.
TColor ReadHTMLHex(std::string_view text)
{
    const std::string_view code = Trim(text);
    const std::string_view shortForm = code.starts_with('#') ? code.substr(1) : code;
    if (shortForm.size() == 3 && AllHexDigits(shortForm)) {
        const auto doubled = [](char digit) { return HexByte(std::string(2, digit)); };
        return ComposeColor(doubled(shortForm[0]), doubled(shortForm[1]), doubled(shortForm[2]));
    }
    const std::string_view digits = LastChars(code, 6);
    const std::string_view prefix = code.substr(0, code.size() - digits.size());
    if (digits.size() < 6 || !AllHexDigits(digits))
        throw ConvertError("'" + std::string(code) + "' is not of the form #RRGGBB");
    if (!prefix.empty() && IsHexDigit(prefix.back()) && !IsZeroPaddedPrefix(prefix))
        throw ConvertError("'" + std::string(code) + "' has more digits than #RRGGBB");
    return ReadRGBHex(digits);
}

int PercentToChannel(int percent)
{
    return static_cast<int>(Round(static_cast<double>(percent * 255) / 100));
}

TColor ReadHSL(std::string_view text)
{
    const std::string numbersOnly = WithoutPercentSigns(text);
    const auto [h, s, l] = CommaSeparatedComponents<3>(numbersOnly, {360, 100, 100});
    return HSLtoRGB(h / 360.0, s / 100.0, l / 100.0);
}

TColor ReadHSV(std::string_view text)
{
    const auto [h, s, v] = CommaSeparatedComponents<3>(text, {360, 255, 255});
    // Every hue of 0..360 has a colour.
    const RGBValues rgb = HSVtoRGB(h, s, v).value_or(RGBValues{});
    return ComposeColor(rgb.R, rgb.G, rgb.B);
}

int InkToChannel(int blackRemaining, int ink)
{
    return static_cast<int>(Round(static_cast<double>(blackRemaining) * 2.55 * (1 - ink / 100.0)));
}

TColor ReadCMYK(std::string_view text)
{
    const auto [c, m, y, k] = CommaSeparatedComponents<4>(text, {100, 100, 100, 100});
    const int blackRemaining = 100 - k;
    return ComposeColor(InkToChannel(blackRemaining, c), InkToChannel(blackRemaining, m),
                        InkToChannel(blackRemaining, y));
}

TColor ReadPowerbuilder(std::string_view text)
{
    const int d = InRange(StrToInt(Trim(text)), clWhite);
    return ComposeColor(d % 256, d / 256 % 256, d / 65536);
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
    // The two characters skipped are the "0x" or marks such as "##"; digits
    // there ("65535") would be dropped from the number.
    const std::string_view skipped = text.substr(0, text.size() - digits.size());
    const bool prefix = skipped == "0x" || skipped == "0X";
    if (!prefix && std::any_of(skipped.begin(), skipped.end(), IsHexDigit))
        throw ConvertError("'" + std::string(text) + "' does not start with 0x");
    return static_cast<std::uint16_t>(InRange(HexByte(digits), 0xFFFF));
}

ParsedColorCode ParseColorCode(std::string_view text, int index)
{
    ParsedColorCode parsed;
    switch (index) {
    case notation::HTMLHex: parsed.color = ReadHTMLHex(text); break;
    case notation::DelphiHex:
    case notation::VBHex:
    case notation::CppHex: parsed.color = ReadBGRHex(text); break;
    case notation::RGBValues: {
        const auto [r, g, b] = CommaSeparatedComponents<3>(text, {255, 255, 255});
        parsed.color = ComposeColor(r, g, b);
        break;
    }
    case notation::RGBPercentValues: {
        const auto [r, g, b] = CommaSeparatedComponents<3>(text, {100, 100, 100});
        parsed.color = ComposeColor(PercentToChannel(r), PercentToChannel(g), PercentToChannel(b));
        break;
    }
    case notation::HSL: parsed.color = ReadHSL(text); break;
    case notation::HSVHSB: parsed.color = ReadHSV(text); break;
    case notation::CMY: {
        const auto [c, m, y] = CommaSeparatedComponents<3>(text, {255, 255, 255});
        parsed.color = ComposeColor(255 - c, 255 - m, 255 - y);
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
    default: {
        if (!IsCssNotation(index))
            throw ConvertError("No notation is chosen to read the code in");
        const CssColor css = ReadCssColor(text);
        parsed.color = css.color;
        parsed.alpha = css.alpha;
        break;
    }
    }
    return parsed;
}

} // namespace pigmentrix
