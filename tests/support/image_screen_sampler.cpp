#include "image_screen_sampler.h"

#include <QPainter>

namespace pigmentrix {

ImageScreenSampler::ImageScreenSampler(QImage image)
    : desktop(image.convertToFormat(QImage::Format_ARGB32))
{
}

std::optional<QPoint> ImageScreenSampler::pointerPosition()
{
    if (!readable)
        return std::nullopt;
    return pointer;
}

std::optional<TColor> ImageScreenSampler::pixel(QPoint at)
{
    if (!readable || !desktop.rect().contains(at))
        return std::nullopt;
    const QRgb p = desktop.pixel(at);
    return ComposeColor(qRed(p), qGreen(p), qBlue(p));
}

std::optional<QImage> ImageScreenSampler::copyArea(const QRect &area)
{
    if (!readable || area.isEmpty())
        return std::nullopt;
    QImage image(area.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(0, 0), desktop, area);
    return image;
}

std::optional<QImage> ImageScreenSampler::captureDesktop()
{
    if (!readable)
        return std::nullopt;
    return desktop;
}

bool ImageScreenSampler::movePointer(QPoint to)
{
    pointer = to;
    return readable;
}

} // namespace pigmentrix
