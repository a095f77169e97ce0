#pragma once

#include "displays/rgb_channel.h"

#include <QImage>

#include <cstdint>

namespace pigmentrix {

// The current colour's components as a slider carries them for its preview.
struct TrackBase {
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;
    std::uint16_t H = 0; // 0 ... 360
    std::uint8_t S = 0;
    std::uint8_t V = 0;
};

// The colour strip of a slider's track, width x height, RGB32: each column
// shows the colour the channel would give at that place. A null image when
// either side is 0 or less.
QImage BuildTrackStrip(TRGBChannel channel, int width, int height, const TrackBase &base);

} // namespace pigmentrix
