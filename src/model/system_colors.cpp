#include "model/system_colors.h"

#include <array>

namespace pigmentrix {
namespace {

constexpr std::array<TColor, 31> ClassicScheme = {
    ComposeColor(212, 208, 200), // 0 scroll bar
    ComposeColor(58, 110, 165), // 1 desktop
    ComposeColor(10, 36, 106), // 2 active caption
    ComposeColor(128, 128, 128), // 3 inactive caption
    ComposeColor(212, 208, 200), // 4 menu
    ComposeColor(255, 255, 255), // 5 window
    ComposeColor(0, 0, 0), // 6 window frame
    ComposeColor(0, 0, 0), // 7 menu text
    ComposeColor(0, 0, 0), // 8 window text
    ComposeColor(255, 255, 255), // 9 caption text
    ComposeColor(212, 208, 200), // 10 active border
    ComposeColor(212, 208, 200), // 11 inactive border
    ComposeColor(128, 128, 128), // 12 application workspace
    ComposeColor(10, 36, 106), // 13 highlight
    ComposeColor(255, 255, 255), // 14 highlight text
    ComposeColor(212, 208, 200), // 15 button face
    ComposeColor(128, 128, 128), // 16 button shadow
    ComposeColor(128, 128, 128), // 17 grey text
    ComposeColor(0, 0, 0), // 18 button text
    ComposeColor(212, 208, 200), // 19 inactive caption text
    ComposeColor(255, 255, 255), // 20 button highlight
    ComposeColor(64, 64, 64), // 21 3D dark shadow
    ComposeColor(212, 208, 200), // 22 3D light
    ComposeColor(0, 0, 0), // 23 tooltip text
    ComposeColor(255, 255, 225), // 24 tooltip background
    ComposeColor(181, 181, 181), // 25 alternate button face
    ComposeColor(0, 0, 128), // 26 hot-tracked item
    ComposeColor(166, 202, 240), // 27 active caption gradient
    ComposeColor(192, 192, 192), // 28 inactive caption gradient
    ComposeColor(10, 36, 106), // 29 menu highlight
    ComposeColor(212, 208, 200), // 30 menu bar
};

} // namespace

TColor ClassicSystemColor(int systemColorNumber)
{
    if (systemColorNumber < 0 || systemColorNumber >= static_cast<int>(ClassicScheme.size()))
        return clBlack;
    return ClassicScheme[static_cast<std::size_t>(systemColorNumber)];
}

} // namespace pigmentrix
