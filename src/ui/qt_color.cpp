#include "ui/qt_color.h"

#include "model/conversions.h"

namespace pigmentrix {

QColor ToQColor(TColor c)
{
    const TColor direct = ColorToRGB(c);
    return QColor(RedOf(direct), GreenOf(direct), BlueOf(direct));
}

} // namespace pigmentrix
