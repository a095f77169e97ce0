#include "sampling/eyedropper_cursor.h"

#include "ui/artwork.h"

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace pigmentrix {
namespace {

QCursor MakeEyedropperCursor()
{
    // The eyedropper picture of the grab button, its tip at (2.8, 21.2) of
    // 24 x 24: the pixel the grab takes is the one under the tip.
    constexpr int Size = 32;
    const QPixmap picture = ArtworkIcon(u"eyedrop").pixmap(QSize(Size, Size));
    if (picture.isNull())
        return QCursor(Qt::CrossCursor);
    return QCursor(picture, EyedropperHotSpot.x(), EyedropperHotSpot.y());
}

} // namespace

QCursor EyedropperCursor()
{
    // Made once: the X11 platform keeps the server cursor of every picture
    // it is handed until the program ends, so a new picture at every grab
    // would grow the program a little with each one. Never destroyed, as
    // its picture must not outlive the application that drew it.
    static const QCursor *const cursor = new QCursor(MakeEyedropperCursor());
    return *cursor;
}

} // namespace pigmentrix
