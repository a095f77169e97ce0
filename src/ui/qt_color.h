#pragma once

#include "model/color.h"

#include <QColor>

namespace pigmentrix {

// The colour as the screen shows it: system colours resolved first.
QColor ToQColor(TColor c);

} // namespace pigmentrix
