#pragma once

#include <QPoint>
#include <QRect>

namespace pigmentrix {

// How Qt's scaled pixels lie on one screen: the screen's top-left corner is
// the same point in both, and the rest is stretched by factor.
struct ScreenScale {
    QPoint origin;
    qreal factor = 1;
};

QRect ToScreenPixels(const QRect &scaled, const ScreenScale &scale);
QPoint FromScreenPixels(const QPoint &screen, const ScreenScale &scale);

// Qt's accessibility bridge tells places and sizes in Qt's scaled pixels,
// where a screen reader, a magnifier or a test tool reading the tree counts
// the X server's. Once the bridge is up, its answers about places (extents,
// positions, sizes, the control at a point, a character's box) are given in
// the screen's pixels, and places in a window from the window's corner
// (Qt's bridge counts those from the screen's); everything else is still
// Qt's. Only on X11, where the places are the server's; done once a run,
// before the application object exists.
void TellAccessiblePlacesInScreenPixels();

} // namespace pigmentrix
