#include "displays/wheel_rings.h"

#include "model/rounding.h"

#include <gtest/gtest.h>

#include <cmath>

namespace pigmentrix {
namespace {

// Every squared distance from the centre out to past the disc, walked outwards
// as a row of the wheel walks them, against the square-root definitions.
TEST(WheelRings, ThresholdsEqualTheSquareRootForEveryDistance)
{
    for (int r : {1, 2, 3, 52, 53, 512, 2048}) {
        SCOPED_TRACE(r);
        const WheelRings rings(r);
        int saturation = 0;
        long mismatches = 0;
        const long long end = static_cast<long long>(r + 2) * (r + 2);
        for (long long n = 0; n <= end; ++n) {
            const double d = std::sqrt(static_cast<double>(n));
            const bool inDisc = d <= r;
            const bool onRim = !(d <= r - 1.5);
            mismatches += rings.InDisc(n) != inDisc;
            mismatches += rings.OnRim(n) != onRim;
            if (inDisc) {
                saturation = rings.Saturation(n, saturation);
                mismatches += saturation != Round(d * 255 / r);
            }
        }
        EXPECT_EQ(mismatches, 0);
    }
}

TEST(WheelRings, FormsWheel)
{
    const WheelRings rings(53);
    EXPECT_EQ(rings.Saturation(40 * 40, 0), 192);
    EXPECT_TRUE(rings.InDisc(53 * 53));
    EXPECT_FALSE(rings.InDisc(53 * 53 + 1));
    EXPECT_FALSE(rings.OnRim(51 * 51));
    EXPECT_TRUE(rings.OnRim(52 * 52));
}

} // namespace
} // namespace pigmentrix
