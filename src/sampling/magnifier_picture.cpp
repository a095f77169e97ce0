#include "sampling/magnifier_picture.h"

#include "model/rounding.h"

#include <array>
#include <vector>

namespace pigmentrix {

std::optional<MagnifierLayout> MagnifierLayoutFor(QSize picture, int zoom)
{
    if (zoom < 1)
        return std::nullopt;
    MagnifierLayout layout;
    layout.picture = picture;
    layout.zoom = zoom;
    layout.block = QSize(picture.width() / zoom, picture.height() / zoom);
    if (layout.block.width() < 1 || layout.block.height() < 1)
        return std::nullopt;
    layout.px = picture.width() / layout.block.width();
    layout.py = picture.height() / layout.block.height();
    layout.d2 = layout.block.width() / 2;
    layout.h2 = layout.block.height() / 2;
    layout.offset = CrosshairOffset(zoom);
    return layout;
}

QPoint CrosshairOffset(int zoom)
{
    // The shifts that put the cross over the stretched pointer pixel, whose
    // blocks are not all equally wide.
    static constexpr std::array<std::array<int, 2>, 20> Offsets{{
        {0, 0}, {0, -1}, {0, 0},  {0, 0}, {0, -1}, {1, 1}, {-1, 1}, {0, 0}, {3, 1}, {0, -1},
        {3, 3}, {1, -1}, {1, -1}, {3, 1}, {0, 0},  {0, 0}, {3, 1},  {0, 1}, {0, 1}, {0, 1},
    }};
    if (zoom < 1 || zoom > static_cast<int>(Offsets.size()))
        return {0, 0};
    const auto &offset = Offsets[static_cast<std::size_t>(zoom - 1)];
    return {offset[0], offset[1]};
}

QRect MagnifierBlock(const MagnifierLayout &layout, QPoint pointer)
{
    return QRect(QPoint(pointer.x() - layout.block.width() / 2, pointer.y() - layout.block.height() / 2), layout.block);
}

QPoint CrossCentre(const MagnifierLayout &layout)
{
    return {static_cast<int>(Trunc(layout.offset.x() + (layout.d2 + 0.5) * layout.px)),
            static_cast<int>(Trunc(layout.offset.y() + (layout.h2 + 0.5) * layout.py))};
}

namespace {

// The first picture column (or row) that StretchNearest fills from block
// column `column` of a block `blockSize` wide stretched over `pictureSize`.
int FirstStretchedOf(int column, int blockSize, int pictureSize)
{
    const qint64 product = static_cast<qint64>(column) * pictureSize;
    return static_cast<int>((product + blockSize - 1) / blockSize);
}

} // namespace

OutlineCorners RectangleOutline(const MagnifierLayout &layout, int sampleSize)
{
    const int half = sampleSize / 2;
    const int w = layout.block.width();
    const int h = layout.block.height();
    const int W = layout.picture.width();
    const int H = layout.picture.height();
    return {FirstStretchedOf(layout.d2 - half, w, W) - 1, FirstStretchedOf(layout.h2 - half, h, H) - 1,
            FirstStretchedOf(layout.d2 + half + 1, w, W), FirstStretchedOf(layout.h2 + half + 1, h, H)};
}

QImage StretchNearest(const QImage &block, QSize picture)
{
    const QImage source = block.convertToFormat(QImage::Format_ARGB32);
    QImage stretched(picture, QImage::Format_RGB32);
    if (source.isNull() || picture.isEmpty())
        return stretched;
    const qint64 w = source.width();
    const qint64 h = source.height();
    std::vector<int> sourceColumn(static_cast<std::size_t>(picture.width()));
    for (int x = 0; x < picture.width(); ++x)
        sourceColumn[static_cast<std::size_t>(x)] = static_cast<int>(x * w / picture.width());
    for (int y = 0; y < picture.height(); ++y) {
        const auto *in =
            reinterpret_cast<const QRgb *>(source.constScanLine(static_cast<int>(y * h / picture.height())));
        auto *out = reinterpret_cast<QRgb *>(stretched.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = in[sourceColumn[static_cast<std::size_t>(x)]];
            out[x] = qAlpha(p) == 0 ? qRgb(0, 0, 0) : (p | 0xFF000000u);
        }
    }
    return stretched;
}

void InvertLine(QImage &picture, QPoint from, QPoint to)
{
    const QPoint step((to.x() > from.x()) - (to.x() < from.x()), (to.y() > from.y()) - (to.y() < from.y()));
    if (step.x() != 0 && step.y() != 0)
        return;
    for (QPoint p = from; p != to; p += step) {
        if (picture.rect().contains(p))
            picture.setPixel(p, picture.pixel(p) ^ 0x00FFFFFFu);
    }
}

void DrawCrosshair(QImage &picture, const MagnifierLayout &layout, Crosshair crosshair, int sampleSize)
{
    if (crosshair == Crosshair::None)
        return;
    if (crosshair == Crosshair::Rectangle) {
        const OutlineCorners c = RectangleOutline(layout, sampleSize);
        InvertLine(picture, {c.left, c.top}, {c.right, c.top});
        InvertLine(picture, {c.right, c.top}, {c.right, c.bottom});
        InvertLine(picture, {c.right, c.bottom}, {c.left, c.bottom});
        InvertLine(picture, {c.left, c.bottom}, {c.left, c.top});
        return;
    }
    const QPoint centre = CrossCentre(layout);
    InvertLine(picture, centre - QPoint(10, 0), centre + QPoint(10, 0));
    InvertLine(picture, centre - QPoint(0, 10), centre + QPoint(0, 10));
}

QImage BuildMagnifierPicture(const QImage &block, const MagnifierLayout &layout, Crosshair crosshair, int sampleSize)
{
    QImage picture = StretchNearest(block, layout.picture);
    DrawCrosshair(picture, layout, crosshair, sampleSize);
    return picture;
}

} // namespace pigmentrix
