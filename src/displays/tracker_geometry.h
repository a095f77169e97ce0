#pragma once

namespace pigmentrix {

// A rectangle in client coordinates whose right and bottom edges are
// exclusive, as the slider's hit tests and drawing use them.
struct TrackerRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    friend bool operator==(const TrackerRect &, const TrackerRect &) = default;
};

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
    int thumbMin = 0;      // FThumbMin
    int thumbMax = 0;      // FThumbMax
    TrackerRect trackRect; // FTrackRect
    TrackerRect hitRect;   // FHitRect
    friend bool operator==(const TrackerGeometry &, const TrackerGeometry &) = default;
};

TrackerGeometry ComputeTrackerGeometry(const TrackerMetrics &metrics);

// FThumbRect for the thumb centred at x = thumbPosition.
TrackerRect ThumbRectAt(const TrackerMetrics &metrics, int thumbPosition);

// The thumb centre's x for value; minimum must be below maximum.
int ThumbPositionForValue(const TrackerGeometry &geometry, int value, int minimum, int maximum);

// The value under the thumb centre at position, snapped down to a multiple of
// step (step >= 1) and clamped to minimum ... maximum.
int ValueForThumbPosition(const TrackerGeometry &geometry, int position, int minimum, int maximum,
                          int step);

} // namespace pigmentrix
