#include "model/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace pigmentrix {
namespace {

struct RoundingRow {
    double x;
    std::int64_t expected;
};

class RoundTest : public testing::TestWithParam<RoundingRow> { };

TEST_P(RoundTest, GoesToNearestWithTiesToEven)
{
    EXPECT_EQ(Round(GetParam().x), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RoundTest,
    testing::Values(RoundingRow{0.5, 0}, RoundingRow{1.5, 2}, RoundingRow{2.5, 2}, RoundingRow{-0.5, 0},
                    RoundingRow{-1.5, -2}, RoundingRow{-2.5, -2}, RoundingRow{127.5, 128}, RoundingRow{128.5, 128},
                    RoundingRow{2.4999999999999996, 2}, RoundingRow{2.5000000000000004, 3},
                    // floor(x + 0.5) would give 1 here.
                    RoundingRow{0.49999999999999994, 0}, RoundingRow{-2.7, -3},
                    RoundingRow{1e15 + 0.5, 1000000000000000},
                    RoundingRow{-9223372036854775808.0, std::numeric_limits<std::int64_t>::min()}));

class TruncTest : public testing::TestWithParam<RoundingRow> { };

TEST_P(TruncTest, DropsTheFraction)
{
    EXPECT_EQ(Trunc(GetParam().x), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, TruncTest,
                         testing::Values(RoundingRow{2.9, 2}, RoundingRow{-2.9, -2}, RoundingRow{0.99, 0},
                                         RoundingRow{-0.99, 0}, RoundingRow{127.6, 127}, RoundingRow{5.0, 5}));

class RoundingOutOfRangeTest : public testing::TestWithParam<double> { };

TEST_P(RoundingOutOfRangeTest, RaisesRatherThanInventingAValue)
{
    EXPECT_THROW(Round(GetParam()), FloatRangeError);
    EXPECT_THROW(Trunc(GetParam()), FloatRangeError);
}

INSTANTIATE_TEST_SUITE_P(Rows, RoundingOutOfRangeTest,
                         testing::Values(9223372036854775808.0, -9223372036854777856.0, 1e300,
                                         std::numeric_limits<double>::infinity(),
                                         -std::numeric_limits<double>::infinity(),
                                         std::numeric_limits<double>::quiet_NaN()));

struct MulDivRow {
    int a;
    int b;
    int c;
    int expected;
};

class MulDivTest : public testing::TestWithParam<MulDivRow> { };

TEST_P(MulDivTest, RoundsTheExactQuotientHalvesAwayFromZero)
{
    const MulDivRow &row = GetParam();
    EXPECT_EQ(MulDiv(row.a, row.b, row.c), row.expected);
}

constexpr int IntMax = std::numeric_limits<int>::max();
constexpr int IntMin = std::numeric_limits<int>::min();

INSTANTIATE_TEST_SUITE_P(Rows, MulDivTest,
                         testing::Values(MulDivRow{10, 10, 3, 33}, MulDivRow{20, 10, 3, 67}, MulDivRow{1, 1, 4, 0},
                                         MulDivRow{3, 1, 4, 1}, MulDivRow{5, 1, 2, 3}, MulDivRow{7, 1, 2, 4},
                                         MulDivRow{-5, 1, 2, -3}, MulDivRow{5, -1, 2, -3}, MulDivRow{5, 1, -2, -3},
                                         MulDivRow{-5, -1, -2, -3}, MulDivRow{-5, -1, 2, 3}, MulDivRow{1, 1, 0, -1},
                                         MulDivRow{0, 0, 0, -1},
                                         // The intermediate product needs 62 bits.
                                         MulDivRow{IntMax, IntMax, IntMax, IntMax},
                                         MulDivRow{IntMin, IntMin, IntMin, IntMin}, MulDivRow{IntMax, 2, 3, 1431655765},
                                         // A quotient beyond 32 bits has no answer.
                                         MulDivRow{IntMax, 2, 1, -1}, MulDivRow{IntMin, -1, 1, -1}));

} // namespace
} // namespace pigmentrix
