#include "sampling/output_pictures.h"

#include "ui/device_pixels.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>

namespace pigmentrix {

namespace {

QRect BoundingRect(const std::vector<OutputLayout> &outputs)
{
    QRect bounds;
    for (const OutputLayout &output : outputs)
        bounds |= output.layout;
    return bounds;
}

// The monitor's own pixels from the part of the picture it was drawn
// into: pixel (x, y) from where its middle fell, which is inside its block
// where each pixel was drawn as a block.
QImage Resample(const QImage &picture, const QRect &drawn, QSize pixels)
{
    QImage own(pixels, QImage::Format_ARGB32);
    own.fill(Qt::transparent);
    const qreal across = static_cast<qreal>(drawn.width()) / pixels.width();
    const qreal down = static_cast<qreal>(drawn.height()) / pixels.height();
    for (int y = 0; y < pixels.height(); ++y) {
        const int fromY = drawn.top() + static_cast<int>(std::floor((y + 0.5) * down));
        if (fromY < 0 || fromY >= picture.height())
            continue;
        const auto *from = reinterpret_cast<const QRgb *>(picture.constScanLine(fromY));
        auto *to = reinterpret_cast<QRgb *>(own.scanLine(y));
        for (int x = 0; x < pixels.width(); ++x) {
            const int fromX = drawn.left() + static_cast<int>(std::floor((x + 0.5) * across));
            if (fromX >= 0 && fromX < picture.width())
                to[x] = from[fromX];
        }
    }
    return own;
}

std::optional<int> WholeFactor(QSize drawn, QSize pixels)
{
    if (pixels.isEmpty() || drawn.width() % pixels.width() != 0 || drawn.height() % pixels.height() != 0)
        return std::nullopt;
    const int across = drawn.width() / pixels.width();
    if (across < 1 || across != drawn.height() / pixels.height())
        return std::nullopt;
    return across;
}

} // namespace

std::vector<OutputPicture> CutLayoutPicture(const QImage &picture, const std::vector<OutputLayout> &outputs,
                                            PictureUpscaling upscaling)
{
    const QRect layout = BoundingRect(outputs);
    std::vector<OutputPicture> pictures;
    if (layout.isEmpty() || picture.isNull())
        return pictures;
    const QImage argb = picture.convertToFormat(QImage::Format_RGB32).convertToFormat(QImage::Format_ARGB32);
    const qreal across = static_cast<qreal>(argb.width()) / layout.width();
    const qreal down = static_cast<qreal>(argb.height()) / layout.height();
    for (const OutputLayout &output : outputs) {
        const QRect drawn = ToDevicePixels(output.layout.translated(-layout.topLeft()), across, down);
        const QSize pixels = output.pixels.isEmpty() ? drawn.size() : output.pixels;
        if (drawn.size() == pixels) {
            pictures.push_back({output, argb.copy(drawn), true});
            continue;
        }
        const std::optional<int> factor = WholeFactor(drawn.size(), pixels);
        const bool repeated = upscaling == PictureUpscaling::Repeated && factor && *factor > 1;
        pictures.push_back({output, Resample(argb, drawn, pixels), repeated});
    }
    return pictures;
}

std::vector<QRect> PlaceOutputsInDeviceSpace(const std::vector<OutputLayout> &outputs)
{
    std::vector<QRect> placed;
    for (const OutputLayout &output : outputs)
        placed.emplace_back(output.layout.topLeft(), output.pixels);
    auto touches = [](const QRect &a, const QRect &b, bool leftOf) {
        return leftOf ? a.right() + 1 == b.left() && a.top() <= b.bottom() && b.top() <= a.bottom()
                      : a.bottom() + 1 == b.top() && a.left() <= b.right() && b.left() <= a.right();
    };
    std::vector<std::size_t> order(outputs.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    // Left to right, then top to bottom: a monitor is pushed only by ones
    // already placed.
    for (const bool across : {true, false}) {
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return across ? outputs[a].layout.left() < outputs[b].layout.left()
                          : outputs[a].layout.top() < outputs[b].layout.top();
        });
        for (const std::size_t i : order) {
            for (std::size_t j = 0; j < outputs.size(); ++j) {
                if (j == i || !touches(outputs[j].layout, outputs[i].layout, across))
                    continue;
                if (across)
                    placed[i].moveLeft(std::max(placed[i].left(), placed[j].right() + 1));
                else
                    placed[i].moveTop(std::max(placed[i].top(), placed[j].bottom() + 1));
            }
        }
    }
    return placed;
}

StillDesktop ComposeStillDesktop(const std::vector<OutputPicture> &pictures)
{
    std::vector<OutputLayout> outputs;
    for (const OutputPicture &picture : pictures)
        outputs.push_back({picture.output.name, picture.output.layout, picture.pixels.size()});
    StillDesktop desktop{QImage(), PlaceOutputsInDeviceSpace(outputs)};
    QRect bounds;
    for (const QRect &place : desktop.outputs)
        bounds |= place;
    // Coordinates start at 0, as on X11.
    for (QRect &place : desktop.outputs)
        place.translate(-bounds.topLeft());
    desktop.image = QImage(bounds.size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32);
    desktop.image.fill(Qt::transparent);
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const QImage own = pictures[i].pixels.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < own.height(); ++y)
            std::copy_n(reinterpret_cast<const QRgb *>(own.constScanLine(y)), own.width(),
                        reinterpret_cast<QRgb *>(desktop.image.scanLine(desktop.outputs[i].top() + y))
                            + desktop.outputs[i].left());
    }
    return desktop;
}

std::vector<ScreenPlacement> PlaceScreensOnOutputs(const std::vector<ScreenGeometry> &screens,
                                                   const std::vector<OutputPicture> &pictures,
                                                   const std::vector<QRect> &deviceRects)
{
    std::vector<ScreenPlacement> placements;
    for (const ScreenGeometry &screen : screens) {
        auto named = std::find_if(pictures.begin(), pictures.end(), [&](const OutputPicture &picture) {
            return !screen.name.isEmpty() && picture.output.name == screen.name;
        });
        if (named == pictures.end())
            named = std::find_if(pictures.begin(), pictures.end(),
                                 [&](const OutputPicture &picture) { return picture.output.layout == screen.logical; });
        if (named == pictures.end()) {
            placements.push_back({screen.logical, QRect(), false});
            continue;
        }
        const auto index = static_cast<std::size_t>(named - pictures.begin());
        placements.push_back({screen.logical, deviceRects.at(index), named->exact});
    }
    return placements;
}

} // namespace pigmentrix
