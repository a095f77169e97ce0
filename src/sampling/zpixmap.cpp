#include "sampling/zpixmap.h"

#include <bit>

namespace pigmentrix {
namespace {

// A channel under mask as 0..255; a maximum channel value maps to 255.
int Channel(std::uint32_t pixel, std::uint32_t mask)
{
    const int shift = std::countr_zero(mask);
    const std::uint32_t maximum = mask >> shift;
    const std::uint32_t value = (pixel & mask) >> shift;
    return static_cast<int>((value * 255 + maximum / 2) / maximum);
}

bool Supported(const ZPixmapLayout &layout)
{
    const bool contiguous = [&layout] {
        for (std::uint32_t mask : {layout.redMask, layout.greenMask, layout.blueMask}) {
            if (mask == 0)
                return false;
            const std::uint32_t shifted = mask >> std::countr_zero(mask);
            if ((shifted & (shifted + 1)) != 0)
                return false;
        }
        return true;
    }();
    return contiguous && (layout.bitsPerPixel == 16 || layout.bitsPerPixel == 24 || layout.bitsPerPixel == 32)
           && layout.scanlinePad > 0 && layout.scanlinePad % 8 == 0;
}

} // namespace

std::size_t ZPixmapRowBytes(const ZPixmapLayout &layout, int width)
{
    const std::size_t bits = static_cast<std::size_t>(width) * static_cast<std::size_t>(layout.bitsPerPixel);
    const auto pad = static_cast<std::size_t>(layout.scanlinePad);
    return (bits + pad - 1) / pad * pad / 8;
}

std::optional<QImage> DecodeZPixmap(const std::uint8_t *data, std::size_t size, int width, int height,
                                    const ZPixmapLayout &layout)
{
    if (!Supported(layout) || width <= 0 || height <= 0)
        return std::nullopt;
    const std::size_t rowBytes = ZPixmapRowBytes(layout, width);
    if (size < rowBytes * static_cast<std::size_t>(height))
        return std::nullopt;

    const int bytesPerPixel = layout.bitsPerPixel / 8;
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t *row = data + rowBytes * static_cast<std::size_t>(y);
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const std::uint8_t *bytes = row + static_cast<std::ptrdiff_t>(x) * bytesPerPixel;
            std::uint32_t pixel = 0;
            for (int i = 0; i < bytesPerPixel; ++i) {
                const int byte = layout.lsbFirst ? bytesPerPixel - 1 - i : i;
                pixel = (pixel << 8) | bytes[byte];
            }
            out[x] =
                qRgb(Channel(pixel, layout.redMask), Channel(pixel, layout.greenMask), Channel(pixel, layout.blueMask));
        }
    }
    return image;
}

} // namespace pigmentrix
