#pragma once

#include <array>

namespace pigmentrix {

// The colour wheel's rings, by a pixel's squared distance n = dx² + dy² from
// the centre: whether it lies in the disc (d <= r), on its blended rim
// (d > r - 1.5) and its saturation round(d × 255 / r), all exactly as from
// d = sqrt(n) but without a square root per pixel. Each of these is monotone
// in n, so it changes at thresholds computed once per wheel.
class WheelRings {
public:
    explicit WheelRings(int radius);

    bool InDisc(long long n) const { return n <= lastInDisc_; }
    bool OnRim(long long n) const { return n > lastInsideRim_; }

    // The saturation at n, counted up from saturation `from`, the saturation
    // of a pixel no farther out (0 at the start of a row).
    int Saturation(long long n, int from) const
    {
        while (from < MaxSaturation && n >= firstWithSaturation_[from + 1])
            ++from;
        return from;
    }

private:
    static constexpr int MaxSaturation = 255;
    long long lastInDisc_;
    long long lastInsideRim_;
    std::array<long long, MaxSaturation + 1> firstWithSaturation_{};
};

} // namespace pigmentrix
