#pragma once

#include <QImage>

#include <cstddef>
#include <cstdint>
#include <optional>

namespace pigmentrix {

// How an X server lays out the pixels of a Z-format image of a true-colour
// visual.
struct ZPixmapLayout {
    int bitsPerPixel = 32; // 16, 24 or 32
    int scanlinePad = 32; // each row is padded to a multiple of these bits
    bool lsbFirst = true; // byte order of a pixel
    std::uint32_t redMask = 0xFF0000;
    std::uint32_t greenMask = 0x00FF00;
    std::uint32_t blueMask = 0x0000FF;
};

// Bytes in one row of a width-pixel image.
std::size_t ZPixmapRowBytes(const ZPixmapLayout &layout, int width);

// The pixels as an opaque ARGB32 image; channels narrower than 8 bits are
// widened so that their maximum becomes 255. nullopt when the layout is not
// one of the supported ones or the data is too short.
std::optional<QImage> DecodeZPixmap(const std::uint8_t *data, std::size_t size, int width, int height,
                                    const ZPixmapLayout &layout);

} // namespace pigmentrix
