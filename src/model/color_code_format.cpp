#include "model/code_writer.h"
#include "model/color_codes.h"
#include "model/conversions.h"
#include "model/css_color.h"
#include "model/rounding.h"

#include <algorithm>

namespace pigmentrix {
namespace {

void WriteNotation(CodeWriter &code, TColor color, int index, int alpha)
{
    const int r = RedOf(color);
    const int g = GreenOf(color);
    const int b = BlueOf(color);
    switch (index) {
    case notation::HTMLHex: code.Text("#").Hex2(r).Hex2(g).Hex2(b); break;
    case notation::DelphiHex: code.Text("$").Hex2(alpha).Hex2(b).Hex2(g).Hex2(r); break;
    case notation::VBHex: code.Text("&H").Hex2(b).Hex2(g).Hex2(r); break;
    case notation::CppHex: code.Text("0x").Hex2(alpha).Hex2(b).Hex2(g).Hex2(r); break;
    case notation::RGBValues: code.Decimal(r).Text(",").Decimal(g).Text(",").Decimal(b); break;
    case notation::RGBPercentValues:
        code.Decimal(Round(r / 2.55)).Text(",").Decimal(Round(g / 2.55)).Text(",").Decimal(Round(b / 2.55));
        break;
    case notation::HSL: {
        const HSLValues hsl = RGBtoHSL(color);
        code.Decimal(Round(hsl.H * 360))
            .Text(", ")
            .Decimal(Round(hsl.S * 100))
            .Text("%, ")
            .Decimal(Round(hsl.L * 100))
            .Text("%");
        break;
    }
    case notation::HSVHSB: {
        const HSVValues hsv = RGBtoHSV(r, g, b);
        code.Decimal(Round(hsv.H)).Text(",").Decimal(Round(hsv.S)).Text(",").Decimal(Round(hsv.V));
        break;
    }
    case notation::CMY: {
        const CMYValues cmy = RGBtoCMY(r, g, b);
        code.Decimal(cmy.C).Text(",").Decimal(cmy.M).Text(",").Decimal(cmy.Y);
        break;
    }
    case notation::CMYK: {
        const CMYKValues cmyk = RGBtoCMYK(r, g, b);
        code.Decimal(cmyk.C).Text(",").Decimal(cmyk.M).Text(",").Decimal(cmyk.Y).Text(",").Decimal(cmyk.K);
        break;
    }
    case notation::Photoshop: code.Hex2(r).Hex2(g).Hex2(b); break;
    case notation::Powerbuilder: code.Decimal(r + g * 256 + b * 65536); break;
    case notation::AndroidTransparent: code.Text("#").Hex2(alpha).Hex2(r).Hex2(g).Hex2(b); break;
    case notation::CSSRGBA: code.Text("#").Hex2(r).Hex2(g).Hex2(b).Hex2(alpha); break;
    case notation::RGB565: {
        const int word = ((r >> 3) & 31) << 11 | ((g >> 2) & 63) << 5 | ((b >> 3) & 31);
        code.Text("0x").Hex4(word);
        break;
    }
    default: WriteCssColor(code, color, index, alpha); break;
    }
}

bool IsAsciiAlphanumeric(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// The letters of word's hexadecimal digits in upper case, when the word is a
// hexadecimal number: bare, after "0x", or after the "&H" of "VB Hex"
// (whose H follows the digits).
void UpperCaseHexWord(std::string &code, std::size_t begin, std::size_t end)
{
    std::size_t digits = begin;
    if (end - begin > 2 && code[begin] == '0' && (code[begin + 1] == 'x' || code[begin + 1] == 'X'))
        digits = begin + 2;
    else if (begin > 0 && code[begin - 1] == '&' && (code[begin] == 'h' || code[begin] == 'H') && end - begin > 1)
        digits = begin + 1;
    if (!std::all_of(code.begin() + static_cast<std::ptrdiff_t>(digits),
                     code.begin() + static_cast<std::ptrdiff_t>(end), IsHexDigit))
        return;
    if (digits == begin + 1)
        code[begin] = 'H';
    for (std::size_t i = digits; i < end; ++i)
        code[i] = AsciiUpper(code[i]);
}

} // namespace

std::string UpperCaseHexDigits(std::string_view text)
{
    std::string code(text);
    std::size_t i = 0;
    while (i < code.size()) {
        if (!IsAsciiAlphanumeric(code[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < code.size() && IsAsciiAlphanumeric(code[end]))
            ++end;
        UpperCaseHexWord(code, i, end);
        i = end;
    }
    return code;
}

std::string FormatColorCode(TColor color, int notation, int alpha, bool upperCase)
{
    CodeWriter code;
    WriteNotation(code, color, notation, alpha);
    // Lower case applies to the finished code, prefixes included ("&h");
    // upper case leaves it as built, so "0x" keeps its small x.
    if (!upperCase)
        code.LowerCase();
    return code.Str();
}

} // namespace pigmentrix
