#include "picker/channel_rules.h"

#include <gtest/gtest.h>

namespace pigmentrix {
namespace {

TEST(NormalizedChannelText, FollowsTheLeavingRules)
{
    struct Row {
        const char *text;
        int limit;
        const char *expected;
    };
    const Row rows[] = {
        {"007", 255, "7"},   {"", 255, "0"},    {"256", 255, "255"}, {"255", 255, "255"}, {"300", 360, "300"},
        {"999", 360, "360"}, {"abc", 255, "0"}, {"0", 255, "0"},     {"$1F", 255, "31"},  {"-5", 255, "-5"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(NormalizedChannelText(row.text, row.limit), row.expected);
    }
}

TEST(ApplyBrightness, MovesTheChannelsTowardsTheTarget)
{
    struct Row {
        RGBSliderValues from;
        int target;
        RGBSliderValues expected;
    };
    const Row rows[] = {
        {{255, 128, 0}, 200, {255, 237, 109}},
        {{255, 128, 0}, 100, {215, 88, 0}},
        // Red would pass 255, so its slider keeps the old value.
        {{250, 0, 0}, 200, {250, 117, 117}},
        {{255, 255, 0}, 200, {255, 255, 90}},
        {{12, 200, 77}, 0, {0, 0, 0}},
        {{12, 200, 77}, 255, {255, 255, 255}},
        {{100, 100, 100}, 100, {100, 100, 100}},
        {{0, 0, 0}, 1, {1, 1, 1}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << row.from.red << "," << row.from.green << "," << row.from.blue << " -> "
                                        << row.target);
        EXPECT_EQ(ApplyBrightness(row.from, row.target), row.expected);
    }
}

TEST(ParseColorParameter, ReadsUpToSixDigitsAsHexPairs)
{
    struct Row {
        const char *parameter;
        std::optional<TColor> expected;
    };
    const Row rows[] = {
        {"#FF8000", ComposeColor(255, 128, 0)},
        {"FF8000", ComposeColor(255, 128, 0)},
        {"ABCDE", ComposeColor(0xAB, 0xCD, 0xE)},
        {"ABCD", std::nullopt},
        {"#ABC", std::nullopt},
        {"00FF8000", std::nullopt},
        {"FF80001234", std::nullopt},
        {"#FF800012", std::nullopt},
        {"##FF8000", ComposeColor(255, 128, 0)},
        {"#ff8000", ComposeColor(255, 128, 0)},
        {"##8000", std::nullopt},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.parameter);
        EXPECT_EQ(ParseColorParameter(row.parameter), row.expected);
    }
}

} // namespace
} // namespace pigmentrix
