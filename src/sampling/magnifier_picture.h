#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

namespace pigmentrix {

// Crosshair styles (the Tag of the "Zoom Crosshair" items).
enum class Crosshair : int { None = 0, Cross = 1, Rectangle = 2 };

// The geometry of one magnifier picture of W x H pixels at zoom z.
struct MagnifierLayout {
    QSize picture; // W x H
    int zoom = 1;
    QSize block; // screen pixels shown: W div z x H div z
    int px = 1; // W div w: picture pixels per screen pixel, rounded down
    int py = 1; // H div h
    int d2 = 0; // w div 2: the pointer's column in the block
    int h2 = 0; // h div 2: the pointer's row in the block
    QPoint offset; // (o, m) from the crosshair offsets table
};

// nullopt when the picture is too small for the zoom (the block would have
// no columns or no rows) or the zoom is below 1.
std::optional<MagnifierLayout> MagnifierLayoutFor(QSize picture, int zoom);

// The fixed shift (o, m) of the cross in picture pixels for zoom 1..20;
// (0, 0) for any other zoom.
QPoint CrosshairOffset(int zoom);

// The screen block shown for the pointer: its column d2 and row h2 are the
// pointer's pixel.
QRect MagnifierBlock(const MagnifierLayout &layout, QPoint pointer);

// Where the cross's arms meet: (trunc(o + (d2 + 0.5) px), trunc(m + (h2 + 0.5) py)).
QPoint CrossCentre(const MagnifierLayout &layout);

// The corners (L, T) and (R, B) of the rectangle crosshair; both are drawn.
struct OutlineCorners {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};
// The rectangle just outside the picture pixels that show the sampled
// screen pixels: the pointer's, or the sampleSize x sampleSize block round
// it that averaging takes (sampleSize 1, 3 or 5), as StretchNearest lays
// them out at any zoom.
OutlineCorners RectangleOutline(const MagnifierLayout &layout, int sampleSize = 1);

// The block stretched over picture by nearest pixel, without smoothing:
// picture column X shows block column X * w div W, so where W is not a
// multiple of w some blocks are one pixel wider (rows alike). Transparent
// pixels (beyond the desktop) show black. The result is opaque RGB32.
QImage StretchNearest(const QImage &block, QSize picture);

// Inverts every pixel from `from` up to `to`, `to` itself excluded, along a
// horizontal or vertical line; pixels outside the picture are skipped.
void InvertLine(QImage &picture, QPoint from, QPoint to);

// Draws the crosshair style into the picture by inverting: the cross's two
// 20-pixel arms share their centre pixel, which so keeps its colour; the
// rectangle's outline (round sampleSize screen pixels) inverts each of its
// pixels once.
void DrawCrosshair(QImage &picture, const MagnifierLayout &layout, Crosshair crosshair, int sampleSize = 1);

// The magnifier picture: the block stretched over layout.picture with the
// crosshair on it.
QImage BuildMagnifierPicture(const QImage &block, const MagnifierLayout &layout, Crosshair crosshair,
                             int sampleSize = 1);

} // namespace pigmentrix
