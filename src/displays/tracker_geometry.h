#pragma once

#include "model/pixel_rect.h"

namespace pigmentrix {

// A rectangle in the slider's client coordinates.
using TrackerRect = PixelRect;

// The sizes the slider's layout depends on.
struct TrackerMetrics {
    int width = 150;
    int height = 24;
    int thumbWidth = 20;
    int thumbHeight = 16;
    int trackHeight = 6;
};

// Where the track lies and how far the thumb centre can travel.
struct TrackerGeometry {
    int thumbMin = 0; // FThumbMin
    int thumbMax = 0; // FThumbMax
    TrackerRect trackRect; // FTrackRect
    TrackerRect hitRect; // FHitRect
    friend bool operator==(const TrackerGeometry &, const TrackerGeometry &) = default;
};

TrackerGeometry ComputeTrackerGeometry(const TrackerMetrics &metrics);

// FThumbRect for the thumb centred at x = thumbPosition.
TrackerRect ThumbRectAt(const TrackerMetrics &metrics, int thumbPosition);

// The thumb centre's x for value; minimum must be below maximum.
int ThumbPositionForValue(const TrackerGeometry &geometry, int value, int minimum, int maximum);

// The value under the thumb centre at position, snapped down to a multiple of
// step (step >= 1) and clamped to minimum ... maximum.
int ValueForThumbPosition(const TrackerGeometry &geometry, int position, int minimum, int maximum, int step);

} // namespace pigmentrix
