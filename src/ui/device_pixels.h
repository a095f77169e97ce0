#pragma once

#include <QRect>

#include <cmath>

namespace pigmentrix {

// A length or position in Qt's scaled pixels as device pixels at factor,
// to the nearest.
inline int ToDevicePixels(int value, qreal factor)
{
    return static_cast<int>(std::lround(value * factor));
}

// A rectangle whose every edge lands on the nearest device pixel, so that
// rectangles that touch in Qt's pixels still touch in the device's.
inline QRect ToDevicePixels(const QRect &rect, qreal across, qreal down)
{
    const int left = ToDevicePixels(rect.left(), across);
    const int top = ToDevicePixels(rect.top(), down);
    const int right = ToDevicePixels(rect.left() + rect.width(), across);
    const int bottom = ToDevicePixels(rect.top() + rect.height(), down);
    return QRect(left, top, right - left, bottom - top);
}

} // namespace pigmentrix
