#include "sampling/eyedropper_cursor.h"

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace pigmentrix {

QCursor EyedropperCursor()
{
    // The eyedropper picture of the grab button, its tip at (2.8, 21.2) of
    // 24 x 24: the pixel the grab takes is the one under the tip.
    constexpr int Size = 32;
    const QPixmap picture = QIcon(QStringLiteral(":/icons/eyedrop.svg")).pixmap(QSize(Size, Size));
    if (picture.isNull())
        return QCursor(Qt::CrossCursor);
    return QCursor(picture, EyedropperHotSpot.x(), EyedropperHotSpot.y());
}

} // namespace pigmentrix
