#include "model/color_codes.h"
#include "model/conversions.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>

namespace pigmentrix {
namespace {

constexpr TColor ColorCount = 1 << 24;

bool CarriesAlphaBack(int index)
{
    return index == notation::AndroidTransparent || index == notation::CSSRGBA;
}

// What reading the code back must give: the colour itself, except that RGB565
// keeps only the top five or six bits of each channel.
TColor ExpectedColor(int index, TColor color)
{
    if (index != notation::RGB565)
        return color;
    return ComposeColor(RedOf(color) & 0xF8, GreenOf(color) & 0xFC, BlueOf(color) & 0xF8);
}

class EveryColorRoundTripTest : public testing::TestWithParam<std::tuple<int, bool>> { };

TEST_P(EveryColorRoundTripTest, FormatThenParseGivesTheColourBack)
{
    const auto [index, upperCase] = GetParam();
    std::int64_t mismatches = 0;
    std::string firstMismatch;
    for (TColor color = 0; color < ColorCount; ++color) {
        // Cycling the alpha with the red byte reaches every alpha value with
        // every green and blue.
        const int alpha = RedOf(color);
        const std::string code = FormatColorCode(color, index, alpha, upperCase);
        const ParsedColorCode parsed = ParseColorCode(code, index);
        const bool alphaBack = CarriesAlphaBack(index) ? parsed.alpha == alpha : !parsed.alpha.has_value();
        if (parsed.color != ExpectedColor(index, color) || !alphaBack) {
            if (mismatches++ == 0)
                firstMismatch = ColorToHTML(color) + " alpha " + std::to_string(alpha) + " -> \"" + code + '"';
        }
    }
    EXPECT_EQ(mismatches, 0) << "first: " << firstMismatch;
}

INSTANTIATE_TEST_SUITE_P(
    LosslessNotations, EveryColorRoundTripTest,
    testing::Combine(testing::Values(notation::HTMLHex, notation::DelphiHex, notation::VBHex, notation::CppHex,
                                     notation::RGBValues, notation::CMY, notation::Photoshop, notation::Powerbuilder,
                                     notation::AndroidTransparent, notation::CSSRGBA, notation::RGB565),
                     testing::Bool()),
    [](const testing::TestParamInfo<std::tuple<int, bool>> &info) {
        std::string name;
        for (char c : NotationNames[static_cast<std::size_t>(std::get<0>(info.param))])
            if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
                name += c;
        return name + (std::get<1>(info.param) ? "_Upper" : "_Lower");
    });

} // namespace
} // namespace pigmentrix
