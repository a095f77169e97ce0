#include "model/css_color_space.h"

#include <gtest/gtest.h>

#include <cmath>

namespace pigmentrix {
namespace {

void ExpectNear(const Triple &actual, const Triple &expected, double tolerance)
{
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_NEAR(actual[i], expected[i], tolerance) << "component " << i;
}

TEST(SrgbTransferTest, IsLinearNearBlackAndAPowerCurveAbove)
{
    EXPECT_DOUBLE_EQ(SrgbToLinear(0.04045), 0.04045 / 12.92);
    EXPECT_NEAR(SrgbToLinear(0.5), 0.21404114, 1e-8);
    EXPECT_DOUBLE_EQ(SrgbToLinear(1), 1);
    EXPECT_DOUBLE_EQ(SrgbToLinear(-0.5), -SrgbToLinear(0.5));
    EXPECT_NEAR(LinearToSrgb(SrgbToLinear(0.73)), 0.73, 1e-12);
    EXPECT_NEAR(LinearToSrgb(SrgbToLinear(0.01)), 0.01, 1e-12);
}

struct SpaceRow {
    const char *name;
    Triple (*convert)(const Triple &);
    Triple input;
    Triple expected;
    double tolerance;
};

void PrintTo(const SpaceRow &row, std::ostream *os)
{
    *os << row.name;
}

class CssColorSpaceTest : public testing::TestWithParam<SpaceRow> { };

TEST_P(CssColorSpaceTest, ConvertsAsBrowsersDo)
{
    const SpaceRow &row = GetParam();
    ExpectNear(row.convert(row.input), row.expected, row.tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    KnownValues, CssColorSpaceTest,
    testing::Values(SpaceRow{"white to XYZ", SrgbToXyzD65, {1, 1, 1}, {0.95045593, 1, 1.08905775}, 1e-8},
                    SpaceRow{"red to XYZ", SrgbToXyzD65, {1, 0, 0}, {0.41239080, 0.21263901, 0.01933082}, 1e-8},
                    SpaceRow{"white to Lab", SrgbToLab, {1, 1, 1}, {100, 0, 0}, 1e-6},
                    SpaceRow{"red to Lab", SrgbToLab, {1, 0, 0}, {54.29054, 80.80492, 69.89098}, 1e-4},
                    SpaceRow{"white to OKLab", SrgbToOklab, {1, 1, 1}, {1, 0, 0}, 1e-6},
                    SpaceRow{"red to OKLab", SrgbToOklab, {1, 0, 0}, {0.62796, 0.22486, 0.12585}, 1e-5},
                    SpaceRow{"blue to OKLab", SrgbToOklab, {0, 0, 1}, {0.45201, -0.03246, -0.31153}, 1e-5},
                    SpaceRow{"orange to HSL", SrgbToHsl, {1, 128 / 255.0, 0}, {30.1176, 100, 50}, 1e-4},
                    SpaceRow{"grey to HWB", SrgbToHwb, {0.5, 0.5, 0.5}, {0, 50, 50}, 1e-9},
                    SpaceRow{"Lab to LCH", RectangularToPolar, {50, 0, -20}, {50, 20, 270}, 1e-9},
                    SpaceRow{"LCH to Lab", PolarToRectangular, {50, 20, 90}, {50, 0, 20}, 1e-9},
                    SpaceRow{"HSL to sRGB", HslToSrgb, {240, 100, 25}, {0, 0, 0.5}, 1e-12},
                    SpaceRow{"hue above 360", HslToSrgb, {480, 100, 50}, {0, 1, 0}, 1e-12},
                    SpaceRow{"HWB over 100%", HwbToSrgb, {30, 75, 75}, {0.5, 0.5, 0.5}, 1e-12},
                    SpaceRow{"HWB", HwbToSrgb, {120, 20, 40}, {0.2, 0.6, 0.2}, 1e-12}));

// Each pair of conversions undoes the other, also outside the sRGB gamut.
TEST(CssColorSpaceTest, InversesUndoEachOther)
{
    for (const Triple &srgb : {Triple{0.1, 0.5, 0.9}, Triple{1, 0, 0}, Triple{-0.2, 1.1, 0.3}, Triple{0, 0, 0}}) {
        ExpectNear(XyzD65ToSrgb(SrgbToXyzD65(srgb)), srgb, 1e-12);
        ExpectNear(LabToSrgb(SrgbToLab(srgb)), srgb, 1e-9);
        ExpectNear(OklabToSrgb(SrgbToOklab(srgb)), srgb, 1e-9);
        ExpectNear(XyzD50ToD65(XyzD65ToD50(srgb)), srgb, 1e-12);
    }
    for (const Triple &srgb : {Triple{0.1, 0.5, 0.9}, Triple{1, 0.25, 0}})
        ExpectNear(HslToSrgb(SrgbToHsl(srgb)), srgb, 1e-12);
}

// Every predefined space maps its own white to the D65 white of sRGB.
TEST(CssColorSpaceTest, PredefinedSpacesAgreeOnWhite)
{
    const Triple white = SrgbToXyzD65({1, 1, 1});
    for (const PredefinedSpace space :
         {PredefinedSpace::Srgb, PredefinedSpace::SrgbLinear, PredefinedSpace::DisplayP3, PredefinedSpace::A98Rgb,
          PredefinedSpace::ProphotoRgb, PredefinedSpace::Rec2020})
        ExpectNear(PredefinedToXyzD65(space, {1, 1, 1}), white, 1e-4);
    ExpectNear(PredefinedToXyzD65(PredefinedSpace::XyzD65, white), white, 0);
}

TEST(CssColorSpaceTest, HuesComeIntoZeroTo360)
{
    EXPECT_DOUBLE_EQ(NormalizeHue(-30), 330);
    EXPECT_DOUBLE_EQ(NormalizeHue(720), 0);
    EXPECT_DOUBLE_EQ(NormalizeHue(359.5), 359.5);
}

} // namespace
} // namespace pigmentrix
