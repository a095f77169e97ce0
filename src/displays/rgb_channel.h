#pragma once

#include <cstdint>

namespace pigmentrix {

// Which channel a slider edits; decides how its track previews the colour.
enum TRGBChannel : std::uint8_t {
    rcRed = 0,
    rcGreen = 1,
    rcBlue = 2,
    rcBrightness = 3,
    rcAlpha = 4,
    rcHue = 5,
    rcSaturation = 6,
    rcValue = 7,
};

} // namespace pigmentrix
