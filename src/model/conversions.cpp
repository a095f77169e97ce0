#include "model/conversions.h"

#include "model/code_writer.h"
#include "model/rounding.h"
#include "model/system_colors.h"

#include <algorithm>
#include <cmath>

namespace pigmentrix {
namespace {

// Integer results keep the low 32 bits of the rounded value; composing a colour
// then keeps the low 8, so a channel far outside 0..255 wraps like any other.
int LowBits(std::int64_t value)
{
    return static_cast<int>(value);
}

std::int64_t HueToChannel(double p, double q, double t)
{
    if (t < 0)
        t += 1;
    else if (t > 1)
        t -= 1;

    double x = p;
    if (t * 6 < 1)
        x = p + (q - p) * t * 6;
    else if (t * 2 < 1)
        x = q;
    else if (t * 3 < 2)
        x = p + (q - p) * (0.6666666666666666 - t) * 6;
    return Round(x * 255);
}

} // namespace

TColor ColorToRGB(TColor c)
{
    if (c >= 0)
        return c;
    return ClassicSystemColor(c & 0xFF) & clWhite;
}

HSVValues RGBtoHSV(int R, int G, int B)
{
    HSVValues hsv;
    const int mn = std::min({R, G, B});
    const int mx = std::max({R, G, B});
    hsv.V = mx;
    const double d = hsv.V - mn;
    hsv.S = hsv.V == 0 ? 0.0 : d / hsv.V * 255;
    if (hsv.S == 0)
        return hsv;

    // Differences are widened first so that extreme inputs cannot overflow;
    // for channels 0..255 the arithmetic is the same.
    if (R == mx)
        hsv.H = (static_cast<double>(G) - B) * 60 / d;
    else if (G == mx)
        hsv.H = (static_cast<double>(B) - R) * 60 / d + 120;
    else
        hsv.H = (static_cast<double>(R) - G) * 60 / d + 240;
    if (hsv.H < 0)
        hsv.H += 360;
    return hsv;
}

std::optional<RGBValues> HSVtoRGB(double H, double S, double V)
{
    const double s = S / 255;
    if (s == 0) {
        const int grey = LowBits(Trunc(V));
        return RGBValues{grey, grey, grey};
    }
    if (H == 360)
        H = 0;
    const double h = H / 60;
    const std::int64_t i = Trunc(h);
    const double f = h - static_cast<double>(i);
    const double p = V * (1 - s);
    const double q = V * (1 - s * f);
    const double t = V * (1 - s * (1 - f));

    const auto rgb = [](double r, double g, double b) {
        return RGBValues{LowBits(Round(r)), LowBits(Round(g)), LowBits(Round(b))};
    };
    switch (i) {
    case 0: return rgb(V, t, p);
    case 1: return rgb(q, V, p);
    case 2: return rgb(p, V, t);
    case 3: return rgb(p, q, V);
    case 4: return rgb(t, p, V);
    case 5: return rgb(V, p, q);
    default: return std::nullopt;
    }
}

HSLValues RGBtoHSL(TColor c)
{
    const double r = RedOf(c) / 255.0;
    const double g = GreenOf(c) / 255.0;
    const double b = BlueOf(c) / 255.0;
    const double mx = std::max({r, g, b});
    const double mn = std::min({r, g, b});

    HSLValues hsl;
    hsl.L = (mx + mn) / 2;
    if (mx == mn)
        return hsl;

    const double d = mx - mn;
    hsl.S = hsl.L < 0.5 ? d / (mx + mn) : d / (2 - (mx + mn));
    if (r == mx)
        hsl.H = (g - b) / d;
    else if (g == mx)
        hsl.H = (b - r) / d + 2;
    else
        hsl.H = (r - g) / d + 4;
    hsl.H /= 6;
    if (hsl.H < 0)
        hsl.H += 1;
    return hsl;
}

TColor HSLtoRGB(double H, double S, double L)
{
    if (S == 0) {
        const std::int64_t v = Round(L * 255);
        return ComposeColor(LowBits(v), LowBits(v), LowBits(v));
    }
    const double q = L <= 0.5 ? L * (1 + S) : L + S - L * S;
    const double p = 2 * L - q;
    return ComposeColor(LowBits(HueToChannel(p, q, H + 0.3333333333333333)), LowBits(HueToChannel(p, q, H)),
                        LowBits(HueToChannel(p, q, H - 0.3333333333333333)));
}

CMYValues RGBtoCMY(int R, int G, int B)
{
    return CMYValues{LowBits(255LL - R), LowBits(255LL - G), LowBits(255LL - B)};
}

CMYKValues RGBtoCMYK(int R, int G, int B)
{
    const CMYValues cmy = RGBtoCMY(R, G, B);
    const int k = std::min({cmy.C, cmy.M, cmy.Y});
    CMYKValues cmyk;
    if (k != 255) {
        const double range = 255 - k;
        const auto percent = [&](int ink) {
            return LowBits(Round(static_cast<double>((static_cast<std::int64_t>(ink) - k) * 100) / range));
        };
        cmyk.C = percent(cmy.C);
        cmyk.M = percent(cmy.M);
        cmyk.Y = percent(cmy.Y);
    }
    cmyk.K = LowBits(Round(k / 2.55));
    return cmyk;
}

std::string ColorToHTML(TColor c)
{
    return CodeWriter().Text("#").Hex2(RedOf(c)).Hex2(GreenOf(c)).Hex2(BlueOf(c)).Str();
}

TColor InverseColor(TColor c)
{
    const TColor d = ColorToRGB(c);
    return ComposeColor(255 - RedOf(d), 255 - GreenOf(d), 255 - BlueOf(d));
}

TColor ContrastColor(TColor c)
{
    const TColor d = ColorToRGB(c);
    const double r = RedOf(d);
    const double g = GreenOf(d);
    const double b = BlueOf(d);
    const std::int64_t brightness = Round(std::sqrt(r * r * 0.241 + g * g * 0.691 + b * b * 0.068));
    return brightness <= 128 ? clWhite : clBlack;
}

PixelTriple HSVtoRGBTriple(int H, int S, int V)
{
    const auto triple = [](std::int64_t red, std::int64_t green, std::int64_t blue) {
        return PixelTriple{static_cast<std::uint8_t>(blue), static_cast<std::uint8_t>(green),
                           static_cast<std::uint8_t>(red)};
    };
    if (S == 0)
        return triple(V, V, V);
    if (H == 360)
        H = 0;
    // 64-bit products: identical for the documented ranges, and no overflow
    // for any other input.
    const std::int64_t v = V;
    const std::int64_t vs = v * S;
    const int f = H % 60;
    const int sector = H / 60;
    const std::int64_t p = v - vs / 255;
    const std::int64_t q = v - vs * f / 15300;
    const std::int64_t t = v - vs * (60 - f) / 15300;
    switch (sector) {
    case 0: return triple(v, t, p);
    case 1: return triple(q, v, p);
    case 2: return triple(p, v, t);
    case 3: return triple(p, q, v);
    case 4: return triple(t, p, v);
    case 5: return triple(v, p, q);
    default: return PixelTriple{};
    }
}

TColor RGB565ToColor(std::uint16_t w)
{
    return ComposeColor(((w >> 11) & 31) * 8, ((w >> 5) & 63) * 4, (w & 31) * 8);
}

} // namespace pigmentrix
