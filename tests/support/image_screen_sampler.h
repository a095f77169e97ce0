#pragma once

#include "sampling/screen_sampler.h"

namespace pigmentrix {

// A desktop made of a picture, with its top-left pixel at (0, 0) and a
// pointer the caller places: lets the grab run without a display.
class ImageScreenSampler final : public ScreenSampler {
public:
    explicit ImageScreenSampler(QImage desktop);

    QPoint pointer;
    // While false every read fails, as in a session that cannot be read.
    bool readable = true;

    std::optional<QPoint> pointerPosition() override;
    std::optional<TColor> pixel(QPoint at) override;
    std::optional<QImage> copyArea(const QRect &area) override;
    std::optional<QImage> captureDesktop() override;
    bool movePointer(QPoint to) override;

private:
    QImage desktop;
};

} // namespace pigmentrix
