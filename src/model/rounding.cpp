#include "model/rounding.h"

#include <cmath>
#include <limits>

namespace pigmentrix {
namespace {

// 2^63: the first double above the int64 range; -2^63 itself still fits.
constexpr double TwoToThe63 = 9223372036854775808.0;

std::int64_t ToInt64(double integral)
{
    if (!(integral >= -TwoToThe63 && integral < TwoToThe63))
        throw FloatRangeError();
    return static_cast<std::int64_t>(integral);
}

} // namespace

std::int64_t Round(double x)
{
    // The program never leaves the default rounding mode, so nearbyint rounds
    // ties to even, exactly on the double as given.
    return ToInt64(std::nearbyint(x));
}

std::int64_t Trunc(double x)
{
    return ToInt64(std::trunc(x));
}

int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    std::int64_t quotient = product / c;
    const std::int64_t remainder = product % c;
    const std::int64_t absRemainder = remainder < 0 ? -remainder : remainder;
    const std::int64_t absDivisor = c < 0 ? -static_cast<std::int64_t>(c) : c;
    if (2 * absRemainder >= absDivisor)
        quotient += ((product < 0) == (c < 0)) ? 1 : -1;
    if (quotient < std::numeric_limits<int>::min() || quotient > std::numeric_limits<int>::max())
        return -1;
    return static_cast<int>(quotient);
}

} // namespace pigmentrix
