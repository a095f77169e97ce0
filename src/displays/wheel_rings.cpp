#include "displays/wheel_rings.h"

#include "model/rounding.h"

#include <algorithm>
#include <cmath>

namespace pigmentrix {

namespace {

// The first n in [low, high] for which holds(n) is true, high + 1 if none;
// holds must be false up to some n and true from there on.
template <typename Predicate>
long long FirstWhere(long long low, long long high, Predicate holds)
{
    while (low <= high) {
        const long long middle = low + (high - low) / 2;
        if (holds(middle))
            high = middle - 1;
        else
            low = middle + 1;
    }
    return low;
}

// As FirstWhere, searching outwards from guess first: the answer is usually
// within a step or two of it.
template <typename Predicate>
long long FirstWhereNear(long long guess, long long low, long long high, Predicate holds)
{
    for (long long reach = 2; reach < high - low; reach *= 4) {
        const long long from = std::max(low, guess - reach);
        const long long to = std::min(high, guess + reach);
        const bool bracketed = (from == low || !holds(from - 1)) && (to == high || holds(to));
        if (bracketed)
            return FirstWhere(from, to, holds);
    }
    return FirstWhere(low, high, holds);
}

double Distance(long long n)
{
    return std::sqrt(static_cast<double>(n));
}

} // namespace

WheelRings::WheelRings(int radius)
{
    const double r = radius;
    const long long square = static_cast<long long>(radius) * radius;
    // Searched a little beyond r² so that the limits come from the square
    // root itself rather than from integer reasoning about it.
    const long long searchEnd = square + 2LL * radius + 1;
    lastInDisc_ = FirstWhere(0, searchEnd, [&](long long n) { return Distance(n) > r; }) - 1;
    lastInsideRim_ = FirstWhere(0, searchEnd, [&](long long n) { return !(Distance(n) <= r - 1.5); }) - 1;
    for (int saturation = 1; saturation <= MaxSaturation; ++saturation) {
        const double edge = (saturation - 0.5) * r / 255;
        const auto guess = static_cast<long long>(edge * edge);
        firstWithSaturation_[saturation] = FirstWhereNear(
            guess, 0, searchEnd, [&](long long n) { return radius > 0 && Round(Distance(n) * 255 / r) >= saturation; });
    }
}

} // namespace pigmentrix
