#pragma once

#include <cstdint>

namespace pigmentrix {

// Nearest integer, ties to the even neighbour: Round(2.5) = 2, Round(-0.5) = 0.
std::int64_t Round(double x);

// Toward zero: Trunc(-2.9) = -2.
std::int64_t Trunc(double x);

// a * b / c with an exact intermediate, rounded to nearest with halves away
// from zero; -1 when c is 0.
int MulDiv(int a, int b, int c);

} // namespace pigmentrix
