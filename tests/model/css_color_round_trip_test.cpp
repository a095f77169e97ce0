#include "model/color_codes.h"
#include "model/conversions.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace pigmentrix {
namespace {

constexpr TColor ColorCount = 1 << 24;

// Every 8-bit sRGB colour written in a CSS notation reads back as itself,
// with its alpha: the decimals written are enough to tell every colour apart.
class CssEveryColorRoundTripTest : public testing::TestWithParam<int> { };

TEST_P(CssEveryColorRoundTripTest, FormatThenParseGivesTheColourAndAlphaBack)
{
    const int index = GetParam();
    std::int64_t mismatches = 0;
    std::string firstMismatch;
    for (TColor color = 0; color < ColorCount; ++color) {
        // Cycling the alpha with the blue byte reaches every alpha value with
        // every red and green.
        const int alpha = BlueOf(color);
        const std::string code = FormatColorCode(color, index, alpha, true);
        const ParsedColorCode parsed = ParseColorCode(code, index);
        if (parsed.color != color || parsed.alpha != alpha) {
            if (mismatches++ == 0)
                firstMismatch = ColorToHTML(color) + " alpha " + std::to_string(alpha) + " -> \"" + code + '"';
        }
    }
    EXPECT_EQ(mismatches, 0) << "first: " << firstMismatch;
}

INSTANTIATE_TEST_SUITE_P(CssNotations, CssEveryColorRoundTripTest,
                         testing::Range(static_cast<int>(notation::CSSColor), notation::CSSOklch + 1),
                         [](const testing::TestParamInfo<int> &info) {
                             std::string name;
                             for (char c : NotationNames[static_cast<std::size_t>(info.param)])
                                 if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
                                     name += c;
                             return name;
                         });

} // namespace
} // namespace pigmentrix
