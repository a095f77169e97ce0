#include "model/gamut_mapping.h"

#include <gtest/gtest.h>

#include <cmath>

namespace pigmentrix {
namespace {

TEST(GamutMappingTest, LeavesColoursInGamutAlone)
{
    for (const Triple &srgb : {Triple{0, 0, 0}, Triple{1, 1, 1}, Triple{0.2, 0.7, 1}})
        EXPECT_EQ(MapIntoSrgbGamut(srgb), srgb);
}

// A colour just outside the gamut, as rounding in a code leaves it, is clipped.
TEST(GamutMappingTest, ClipsColoursWithinANoticeableDifference)
{
    const Triple mapped = MapIntoSrgbGamut({1.00001, 0.5, -0.00001});
    EXPECT_EQ(mapped[0], 1);
    EXPECT_NEAR(mapped[1], 0.5, 1e-9);
    EXPECT_EQ(mapped[2], 0);
}

TEST(GamutMappingTest, LightnessAtOrBeyondTheEndsGivesWhiteOrBlack)
{
    EXPECT_EQ(MapOklabIntoSrgbGamut({1, 0.2, 0.1}), (Triple{1, 1, 1}));
    EXPECT_EQ(MapOklabIntoSrgbGamut({1.2, 0, 0}), (Triple{1, 1, 1}));
    EXPECT_EQ(MapOklabIntoSrgbGamut({0, 0.2, 0.1}), (Triple{0, 0, 0}));
    EXPECT_EQ(MapOklabIntoSrgbGamut({-0.1, 0, 0}), (Triple{0, 0, 0}));
}

double DeltaEOK(const Triple &a, const Triple &b)
{
    return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
}

// Far outside the gamut the colour keeps its lightness and hue and loses
// chroma: the result lies within a just-noticeable difference (0.02) of the
// colour of the same lightness and hue at the chroma it ends with.
TEST(GamutMappingTest, ReducesChromaAtConstantLightnessAndHue)
{
    for (const Triple &oklch : {Triple{0.7, 0.4, 30}, Triple{0.5, 0.35, 250}, Triple{0.9, 0.3, 140}}) {
        const Triple origin = PolarToRectangular(oklch);
        const Triple mapped = MapOklabIntoSrgbGamut(origin);
        ASSERT_TRUE(InSrgbGamut(mapped));
        const Triple result = RectangularToPolar(SrgbToOklab(mapped));
        const Triple reduced = PolarToRectangular({oklch[0], result[1], oklch[2]});
        EXPECT_LT(DeltaEOK(SrgbToOklab(mapped), reduced), 0.0201);
        EXPECT_LT(result[1], oklch[1]);
    }
}

TEST(GamutMappingTest, ChannelsRoundHalfUp)
{
    EXPECT_EQ(ToSrgbColor({127.5 / 255, 0.5 / 255, 1}), ComposeColor(128, 1, 255));
    EXPECT_EQ(ToSrgbColor({127.4999 / 255, 0, 0}), ComposeColor(127, 0, 0));
}

} // namespace
} // namespace pigmentrix
