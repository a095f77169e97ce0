#include "sampling/average_color.h"

namespace pigmentrix {

std::optional<TColor> AverageBlockColor(const QImage &block)
{
    const QImage pixels = block.convertToFormat(QImage::Format_ARGB32);
    std::int32_t sumR = 0;
    std::int32_t sumG = 0;
    std::int32_t sumB = 0;
    std::int32_t n = 0;
    for (int y = 0; y < pixels.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x) {
            if (qAlpha(row[x]) == 0)
                continue;
            sumR += qRed(row[x]);
            sumG += qGreen(row[x]);
            sumB += qBlue(row[x]);
            ++n;
        }
    }
    if (n == 0)
        return std::nullopt;
    return ComposeColor(sumR / n, sumG / n, sumB / n);
}

std::optional<TColor> GetAverageColor(ScreenSampler &screen, int xpos, int ypos, int size,
                                      const ScreenColors *conversion)
{
    const int half = size / 2;
    const QRect area(xpos - half, ypos - half, size, size);
    std::optional<QImage> block = screen.copyArea(area);
    if (!block)
        return std::nullopt;
    if (conversion) {
        *block = std::move(*block).convertToFormat(QImage::Format_ARGB32);
        conversion->convert(*block, area.topLeft());
    }
    return AverageBlockColor(*block);
}

} // namespace pigmentrix
