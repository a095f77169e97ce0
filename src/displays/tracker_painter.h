#pragma once

#include "displays/rgb_channel.h"
#include "displays/track_strip.h"
#include "displays/tracker_geometry.h"
#include "model/color.h"

#include <QImage>

namespace pigmentrix {

// Everything a slider's picture depends on.
struct TrackerLook {
    TrackerMetrics metrics;
    int thumbPosition = 0; // the thumb centre's x
    TColor backColor = clWhite;
    bool trackBorder = true;
    TColor thumbColor = 0x00C0C0C0;
    TRGBChannel channel = rcRed;
    TrackBase base;
};

// The colour of the one-pixel frame round the track.
inline constexpr TColor TrackBorderColor = 0x00A4A0A0;

// The whole slider, metrics.width x metrics.height, RGB32: background, track
// strip with its frame, and the shaded thumb with its rounded outline.
// System colours are resolved to RGB first.
QImage PaintTracker(const TrackerLook &look);

} // namespace pigmentrix
