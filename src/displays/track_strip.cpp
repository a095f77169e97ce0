#include "displays/track_strip.h"

#include "model/conversions.h"
#include "model/rounding.h"

#include <algorithm>
#include <vector>

namespace pigmentrix {

namespace {

// Light and dark cells of the alpha strip swap between the upper band (rows
// 0 ... 5) and the rest.
constexpr int AlphaBandRows = 6;
constexpr int AlphaCellColumns = 5;

// Runs 0 ... 255 from the first to the last column. A single column shows the
// start of the range, as t(i) does.
int Level(int i, int width)
{
    return width > 1 ? (i * 255) / (width - 1) : 0;
}

// Like Level but never reaching 255, so the hue strip stops short of 360.
int Fraction(int i, int width, double top)
{
    return static_cast<int>(Trunc(i * (top / width)));
}

QRgb FromTriple(const PixelTriple &p)
{
    return qRgb(p.red, p.green, p.blue);
}

QRgb ColumnColor(TRGBChannel channel, int i, int width, const TrackBase &b)
{
    switch (channel) {
    case rcRed: return qRgb(Level(i, width), b.G, b.B);
    case rcGreen: return qRgb(b.R, Level(i, width), b.B);
    case rcBlue: return qRgb(b.R, b.G, Level(i, width));
    case rcBrightness: {
        const int l = Level(i, width);
        return qRgb(l, l, l);
    }
    case rcHue: return FromTriple(HSVtoRGBTriple(MulDiv(360, Fraction(i, width, 255.0), 255), b.S, b.V));
    case rcSaturation: return FromTriple(HSVtoRGBTriple(b.H, Fraction(i, width, 255.0), b.V));
    case rcValue: return FromTriple(HSVtoRGBTriple(b.H, b.S, Fraction(i, width, 255.0)));
    case rcAlpha: break;
    }
    return qRgb(0, 0, 0);
}

// The base colour with opacity a over white (light) or over grey 192 (dark).
QRgb AlphaCell(const TrackBase &b, int i, int width, bool light)
{
    const int a = Fraction(i, width, 255.0);
    const int g = Fraction(i, width, 192.0);
    const auto over = [&](int c) { return light ? MulDiv(c, a, 255) - a + 255 : MulDiv(c, a, 255) - g + 192; };
    return qRgb(over(b.R), over(b.G), over(b.B));
}

void FillAlphaRows(QImage &strip, const TrackBase &b)
{
    const int width = strip.width();
    std::vector<QRgb> upper(width);
    std::vector<QRgb> lower(width);
    for (int i = 0; i < width; ++i) {
        const bool oddBlock = (i / AlphaCellColumns) % 2 == 1;
        upper[i] = AlphaCell(b, i, width, oddBlock);
        lower[i] = AlphaCell(b, i, width, !oddBlock);
    }
    for (int y = 0; y < strip.height(); ++y) {
        const auto &row = y < AlphaBandRows ? upper : lower;
        std::copy(row.begin(), row.end(), reinterpret_cast<QRgb *>(strip.scanLine(y)));
    }
}

void FillUniformRows(QImage &strip, TRGBChannel channel, const TrackBase &b)
{
    const int width = strip.width();
    auto *first = reinterpret_cast<QRgb *>(strip.scanLine(0));
    for (int i = 0; i < width; ++i)
        first[i] = ColumnColor(channel, i, width, b);
    for (int y = 1; y < strip.height(); ++y)
        std::copy(first, first + width, reinterpret_cast<QRgb *>(strip.scanLine(y)));
}

} // namespace

QImage BuildTrackStrip(TRGBChannel channel, int width, int height, const TrackBase &base)
{
    if (width <= 0 || height <= 0)
        return {};
    QImage strip(width, height, QImage::Format_RGB32);
    if (channel == rcAlpha)
        FillAlphaRows(strip, base);
    else
        FillUniformRows(strip, channel, base);
    return strip;
}

} // namespace pigmentrix
