#pragma once

#include <QPoint>

class QCursor;

namespace pigmentrix {

// The pointer while a grab runs: an eyedropper whose tip is the hot spot.
QCursor EyedropperCursor();
inline constexpr QPoint EyedropperHotSpot(4, 28);

} // namespace pigmentrix
