#include "displays/tracker_geometry.h"

#include "model/rounding.h"

#include <algorithm>
#include <cstdint>

namespace pigmentrix {

TrackerGeometry ComputeTrackerGeometry(const TrackerMetrics &m)
{
    TrackerGeometry g;
    g.thumbMin = m.thumbWidth / 2 + 5;
    g.thumbMax = m.width - m.thumbWidth / 2 - 5;
    // The track keeps five pixels above and below whatever TrackHeight says;
    // the hit band reaches as far as the thumb does.
    g.trackRect = {g.thumbMin, 5, g.thumbMax, m.height - 5};
    const int grow = (m.thumbHeight - m.trackHeight) / 2;
    g.hitRect = {g.trackRect.left, g.trackRect.top - grow, g.trackRect.right, g.trackRect.bottom + grow};
    return g;
}

TrackerRect ThumbRectAt(const TrackerMetrics &m, int thumbPosition)
{
    const int a = (m.height - m.thumbHeight) / 2;
    return {thumbPosition - m.thumbWidth / 2, a, thumbPosition + m.thumbWidth / 2, m.height - a};
}

int ThumbPositionForValue(const TrackerGeometry &g, int value, int minimum, int maximum)
{
    const double fraction = static_cast<double>(value - minimum) / (maximum - minimum);
    return g.thumbMin + static_cast<int>(Round((g.thumbMax - g.thumbMin) * fraction));
}

int ValueForThumbPosition(const TrackerGeometry &g, int position, int minimum, int maximum, int step)
{
    // A slider too narrow to move its thumb has only one place: the minimum.
    if (g.thumbMax <= g.thumbMin)
        return minimum;
    const double span = g.thumbMax - g.thumbMin;
    std::int64_t v = Round(minimum + (position - g.thumbMin) / span * static_cast<double>(maximum - minimum));
    if (step != 1)
        v = step * (v / step);
    return static_cast<int>(std::clamp<std::int64_t>(v, minimum, maximum));
}

} // namespace pigmentrix
