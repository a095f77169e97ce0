#pragma once

#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace pigmentrix {

// A double whose integer part cannot be held in 64 bits (or a NaN) was rounded.
class FloatRangeError : public std::range_error {
public:
    FloatRangeError()
        : std::range_error("Invalid floating point operation")
    {
    }
};

[[noreturn]] void ThrowFloatRangeError();

// Rounding sits in every per-colour conversion, so it is inline; the checks
// keep the cast to 64 bits defined for any double.
inline bool FitsInt64(double integral)
{
    // -2^63 itself fits, 2^63 does not; a NaN fails both comparisons.
    return integral >= -9223372036854775808.0 && integral < 9223372036854775808.0;
}

// Nearest integer, ties to the even neighbour: Round(2.5) = 2, Round(-0.5) = 0.
// Throws FloatRangeError when the result does not fit in 64 bits.
inline std::int64_t Round(double x)
{
    // The program never leaves the default rounding mode, so nearbyint rounds
    // ties to even, exactly on the double as given.
    const double integral = std::nearbyint(x);
    if (!FitsInt64(integral))
        ThrowFloatRangeError();
    return static_cast<std::int64_t>(integral);
}

// Toward zero: Trunc(-2.9) = -2. Throws FloatRangeError like Round.
inline std::int64_t Trunc(double x)
{
    // Doubles this large have no fraction, so x is checked as it stands; the
    // conversion itself truncates toward zero.
    if (!FitsInt64(x))
        ThrowFloatRangeError();
    return static_cast<std::int64_t>(x);
}

// a * b / c with an exact intermediate, rounded to nearest with halves away
// from zero; -1 when c is 0 or the quotient does not fit in 32 bits.
int MulDiv(int a, int b, int c);

} // namespace pigmentrix
