#pragma once

#include "model/color.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

namespace pigmentrix {

// What one entry of the named-colour list is drawn from.
struct NamedColorItemParams {
    QRect rect; // the entry's rectangle, in the list's own coordinates
    int buttonWidth = 27; // width of the undo button: the swatch ends 3 short of it
    QColor background; // the list's colour for the entry (highlight when selected)
    QColor text; // the list's text colour for the entry
    TColor value = clBlack; // the swatch
    QString name;
    QFont font;
    qreal devicePixelRatio = 1.0;
};

// The entry as an image the size of rect (pixel 0,0 is rect's top left):
// the background, a swatch of value from rect.left + 3 to buttonWidth - 3
// (measured from the list's left edge, so every row's swatch lines up) and
// from one pixel below the top to one pixel above the bottom, and the name
// at rect.left + buttonWidth + 2, its text box starting one pixel down.
QImage DrawNamedColorItem(const NamedColorItemParams &params);

} // namespace pigmentrix
