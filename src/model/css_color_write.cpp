// The CSS notations written: channels in the units CSS Color 4 gives each
// function, with only as many decimals as distinguish every 8-bit colour.
#include "model/code_writer.h"
#include "model/color_codes.h"
#include "model/css_color.h"
#include "model/css_color_space.h"
#include "model/gamut_mapping.h"

#include <cmath>

namespace pigmentrix {
namespace {

Triple SrgbOf(TColor color)
{
    return {RedOf(color) / 255.0, GreenOf(color) / 255.0, BlueOf(color) / 255.0};
}

// A hue is meaningless without chroma; writing 0 then keeps the code stable.
double HueOrZero(double hue, double chroma, double chromaUnit)
{
    return std::nearbyint(chroma / chromaUnit) == 0 ? 0 : hue;
}

double Rounded(double value, int decimals)
{
    const double scale = std::pow(10, decimals);
    return std::nearbyint(value * scale) / scale;
}

// Four decimals tell nearly every colour apart in OKLab; the few saturated
// colours with a channel near 0 that they do not are written with a fifth in
// a and b (or chroma), so that every code reads back as the colour it shows.
int OklabDecimals(TColor color, const Triple &oklab)
{
    const Triple rounded{Rounded(oklab[0], 4), Rounded(oklab[1], 4), Rounded(oklab[2], 4)};
    return OklabToSrgbColor(rounded) == color ? 4 : 5;
}

int OklchDecimals(TColor color, const Triple &oklch)
{
    const Triple rounded{Rounded(oklch[0], 4), Rounded(oklch[1], 4), Rounded(oklch[2], 2)};
    return OklabToSrgbColor(PolarToRectangular(rounded)) == color ? 4 : 5;
}

void WriteAlpha(CodeWriter &code, int alpha)
{
    if (alpha != 255)
        code.Text(" / ").Fixed(alpha / 255.0, 3);
}

} // namespace

bool IsCssNotation(int index)
{
    return index >= notation::CSSColor && index <= notation::CSSOklch;
}

void WriteCssColor(CodeWriter &code, TColor value, int index, int alpha)
{
    const TColor color = ComposeColor(RedOf(value), GreenOf(value), BlueOf(value));
    const Triple srgb = SrgbOf(color);
    switch (index) {
    case notation::CSSColor:
        code.Text("rgb(").Decimal(RedOf(color)).Text(" ").Decimal(GreenOf(color)).Text(" ").Decimal(BlueOf(color));
        break;
    case notation::CSSHsl: {
        const auto [h, s, l] = SrgbToHsl(srgb);
        code.Text("hsl(").Hue(HueOrZero(h, s, 0.01), 2).Text(" ").Fixed(s, 2).Text("% ").Fixed(l, 2).Text("%");
        break;
    }
    case notation::CSSHwb: {
        const auto [h, w, b] = SrgbToHwb(srgb);
        code.Text("hwb(").Hue(HueOrZero(h, 100 - w - b, 0.01), 2).Text(" ").Fixed(w, 2).Text("% ").Fixed(b, 2);
        code.Text("%");
        break;
    }
    case notation::CSSLab: {
        const auto [l, a, b] = SrgbToLab(srgb);
        code.Text("lab(").Fixed(l, 2).Text(" ").Fixed(a, 2).Text(" ").Fixed(b, 2);
        break;
    }
    case notation::CSSLch: {
        const auto [l, c, h] = RectangularToPolar(SrgbToLab(srgb));
        code.Text("lch(").Fixed(l, 2).Text(" ").Fixed(c, 2).Text(" ").Hue(HueOrZero(h, c, 0.01), 2);
        break;
    }
    case notation::CSSOklab: {
        const Triple oklab = SrgbToOklab(srgb);
        const int decimals = OklabDecimals(color, oklab);
        code.Text("oklab(").Fixed(oklab[0], 4).Text(" ").Fixed(oklab[1], decimals).Text(" ").Fixed(oklab[2], decimals);
        break;
    }
    case notation::CSSOklch: {
        const Triple oklch = RectangularToPolar(SrgbToOklab(srgb));
        const int decimals = OklchDecimals(color, oklch);
        code.Text("oklch(").Fixed(oklch[0], 4).Text(" ").Fixed(oklch[1], decimals).Text(" ");
        code.Hue(HueOrZero(oklch[2], oklch[1], 0.0001), 2);
        break;
    }
    default: return;
    }
    WriteAlpha(code, alpha);
    code.Text(")");
}

} // namespace pigmentrix
