#pragma once

#include <QKeyEvent>
#include <QPoint>

#include <optional>

namespace pigmentrix {

// How far an arrow key moves a picking point: one pixel, ten with
// Shift; nullopt for any other key.
inline std::optional<QPoint> ArrowNudge(const QKeyEvent &key)
{
    const int step = key.modifiers().testFlag(Qt::ShiftModifier) ? 10 : 1;
    switch (key.key()) {
    case Qt::Key_Left: return QPoint(-step, 0);
    case Qt::Key_Right: return QPoint(step, 0);
    case Qt::Key_Up: return QPoint(0, -step);
    case Qt::Key_Down: return QPoint(0, step);
    default: return std::nullopt;
    }
}

} // namespace pigmentrix
