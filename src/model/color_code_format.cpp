#include "model/code_writer.h"
#include "model/color_codes.h"
#include "model/conversions.h"
#include "model/css_color.h"
#include "model/rounding.h"

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

} // namespace

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
