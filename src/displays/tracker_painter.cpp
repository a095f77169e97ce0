#include "displays/tracker_painter.h"

#include "model/conversions.h"
#include "model/rounding.h"

#include <algorithm>

namespace pigmentrix {

namespace {

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
};

Rgb ResolvedRgb(TColor c)
{
    const TColor d = ColorToRGB(c);
    return {RedOf(d), GreenOf(d), BlueOf(d)};
}

QRgb ToQRgb(const Rgb &c)
{
    return qRgb(c.r, c.g, c.b);
}

Rgb Map(const Rgb &c, int (*f)(int))
{
    return {f(c.r), f(c.g), f(c.b)};
}

// Fills r clipped to the image: a thumb pressed near the edge may stick out.
void FillRect(QImage &image, const TrackerRect &r, QRgb color)
{
    const int left = std::max(r.left, 0);
    const int right = std::min(r.right, image.width());
    const int top = std::max(r.top, 0);
    const int bottom = std::min(r.bottom, image.height());
    for (int y = top; y < bottom && left < right; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        std::fill(line + left, line + right, color);
    }
}

void CopyInto(QImage &image, int x, int y, const QImage &part)
{
    const int left = std::max(x, 0);
    const int right = std::min(x + part.width(), image.width());
    for (int row = std::max(y, 0); row < std::min(y + part.height(), image.height()) && left < right; ++row) {
        const auto *from = reinterpret_cast<const QRgb *>(part.constScanLine(row - y));
        std::copy(from + (left - x), from + (right - x), reinterpret_cast<QRgb *>(image.scanLine(row)) + left);
    }
}

void SetPixel(QImage &image, int x, int y, QRgb color)
{
    if (image.rect().contains(x, y))
        reinterpret_cast<QRgb *>(image.scanLine(y))[x] = color;
}

void DrawTrack(QImage &image, const TrackerLook &look, const TrackerRect &track)
{
    const QImage strip = BuildTrackStrip(look.channel, track.width(), track.height(), look.base);
    if (strip.isNull())
        return;
    CopyInto(image, track.left, track.top, strip);
    if (!look.trackBorder)
        return;
    const QRgb border = ToQRgb(ResolvedRgb(TrackBorderColor));
    FillRect(image, {track.left, track.top, track.right, track.top + 1}, border);
    FillRect(image, {track.left, track.bottom - 1, track.right, track.bottom}, border);
    FillRect(image, {track.left, track.top, track.left + 1, track.bottom}, border);
    FillRect(image, {track.right - 1, track.top, track.right, track.bottom}, border);
}

// Rows shade from 20 lighter than the thumb colour at the top towards 20
// darker at the bottom.
void DrawThumbShading(QImage &image, const TrackerRect &thumb, const Rgb &color)
{
    const Rgb top = Map(color, [](int c) { return c + 20 >= 255 ? 255 : c + 20; });
    const Rgb bottom = Map(color, [](int c) { return c > 20 ? c - 20 : 0; });
    const int rows = thumb.height();
    const auto step = [rows](int from, int to, int k) {
        return from + static_cast<int>(Round(static_cast<double>(to - from) * k / rows));
    };
    for (int k = 0; k < rows; ++k) {
        const Rgb row{step(top.r, bottom.r, k), step(top.g, bottom.g, k), step(top.b, bottom.b, k)};
        FillRect(image, {thumb.left, thumb.top + k, thumb.right, thumb.top + k + 1}, ToQRgb(row));
    }
}

// A one-pixel outline whose 4x4 corner ellipses come out as a single
// diagonal step: each corner pixel is left to the shading, its inner
// neighbour on the diagonal is drawn.
void DrawThumbOutline(QImage &image, const TrackerRect &thumb, const Rgb &color)
{
    if (thumb.width() <= 0 || thumb.height() <= 0)
        return;
    const QRgb pen = ToQRgb(Map(color, [](int c) { return c > 40 ? c - 40 : 0; }));
    const int l = thumb.left;
    const int t = thumb.top;
    const int r = thumb.right - 1;
    const int b = thumb.bottom - 1;
    FillRect(image, {l + 2, t, r - 1, t + 1}, pen);
    FillRect(image, {l + 2, b, r - 1, b + 1}, pen);
    FillRect(image, {l, t + 2, l + 1, b - 1}, pen);
    FillRect(image, {r, t + 2, r + 1, b - 1}, pen);
    if (thumb.width() > 2 && thumb.height() > 2) {
        SetPixel(image, l + 1, t + 1, pen);
        SetPixel(image, r - 1, t + 1, pen);
        SetPixel(image, l + 1, b - 1, pen);
        SetPixel(image, r - 1, b - 1, pen);
    }
}

} // namespace

QImage PaintTracker(const TrackerLook &look)
{
    const TrackerMetrics &m = look.metrics;
    if (m.width <= 0 || m.height <= 0)
        return {};
    QImage image(m.width, m.height, QImage::Format_RGB32);
    image.fill(ToQRgb(ResolvedRgb(look.backColor)));

    const TrackerGeometry geometry = ComputeTrackerGeometry(m);
    DrawTrack(image, look, geometry.trackRect);

    const TrackerRect thumb = ThumbRectAt(m, look.thumbPosition);
    const Rgb thumbColor = ResolvedRgb(look.thumbColor);
    DrawThumbShading(image, thumb, thumbColor);
    DrawThumbOutline(image, thumb, thumbColor);
    return image;
}

} // namespace pigmentrix
