#pragma once

#include <cstdint>
#include <stdexcept>

namespace pigmentrix {

// A double whose integer part cannot be held in 64 bits (or a NaN) was rounded.
class FloatRangeError : public std::range_error {
public:
    FloatRangeError() : std::range_error("Invalid floating point operation") {}
};

// Nearest integer, ties to the even neighbour: Round(2.5) = 2, Round(-0.5) = 0.
// Throws FloatRangeError when the result does not fit in 64 bits.
std::int64_t Round(double x);

// Toward zero: Trunc(-2.9) = -2. Throws FloatRangeError like Round.
std::int64_t Trunc(double x);

// a * b / c with an exact intermediate, rounded to nearest with halves away
// from zero; -1 when c is 0 or the quotient does not fit in 32 bits.
int MulDiv(int a, int b, int c);

} // namespace pigmentrix
