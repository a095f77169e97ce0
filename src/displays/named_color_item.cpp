#include "displays/named_color_item.h"

#include "ui/qt_color.h"

#include <QFontMetrics>
#include <QPainter>

namespace pigmentrix {

QImage DrawNamedColorItem(const NamedColorItemParams &params)
{
    const QSize size = params.rect.size();
    QImage image((QSizeF(size) * params.devicePixelRatio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(params.devicePixelRatio);
    image.fill(params.background);
    if (image.isNull())
        return image;

    QPainter painter(&image);
    const int left = params.rect.left();
    // Right and bottom edges are exclusive, as the rectangle is given.
    const QRect swatch(QPoint(3, 1), QPoint(params.buttonWidth - 3 - left - 1, size.height() - 2));
    if (swatch.isValid()) {
        painter.fillRect(swatch, ToQColor(params.value));
    }

    painter.setFont(params.font);
    painter.setPen(params.text);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(params.background);
    const QFontMetrics metrics(params.font, &image);
    painter.drawText(QPoint(params.buttonWidth + 2, 1 + metrics.ascent()), params.name);
    return image;
}

} // namespace pigmentrix
