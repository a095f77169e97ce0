#include "model/rounding.h"

#include <limits>

namespace pigmentrix {

void ThrowFloatRangeError()
{
    throw FloatRangeError();
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
