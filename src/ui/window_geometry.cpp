#include "ui/window_geometry.h"

namespace pigmentrix {

QRect ToQRect(const PanelRect &rect)
{
    return {rect.left, rect.top, rect.width, rect.height};
}

} // namespace pigmentrix
