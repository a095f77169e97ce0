#include "model/contrast.h"

#include <gtest/gtest.h>

#include <string>

namespace pigmentrix {
namespace {

struct ContrastRow {
    TColor foreground;
    TColor background;
    std::string ratio;
    ContrastVerdict verdict;
};

void PrintTo(const ContrastRow &row, std::ostream *os)
{
    *os << row.ratio;
}

class ContrastTest : public testing::TestWithParam<ContrastRow> { };

TEST_P(ContrastTest, GivesTheRatioAndTheVerdicts)
{
    const ContrastRow &row = GetParam();
    const double ratio = ContrastRatio(row.foreground, row.background);
    EXPECT_EQ(ContrastRatioText(ratio), row.ratio);
    EXPECT_EQ(JudgeContrast(ratio), row.verdict);
    EXPECT_DOUBLE_EQ(ContrastRatio(row.background, row.foreground), ratio) << "the order does not matter";
}

// Greys on white on either side of each threshold: #777777 fails AA for
// normal text (4.48), #767676 passes (4.54); #949494 passes AA for large
// text, #959595 fails it; #595959 reaches AAA, #5A5A5A does not.
INSTANTIATE_TEST_SUITE_P(
    Thresholds, ContrastTest,
    testing::Values(ContrastRow{clBlack, clWhite, "21.00:1", {true, true, true, true}},
                    ContrastRow{clWhite, clWhite, "1.00:1", {false, false, false, false}},
                    ContrastRow{ComposeColor(0x77, 0x77, 0x77), clWhite, "4.48:1", {false, true, false, false}},
                    ContrastRow{ComposeColor(0x76, 0x76, 0x76), clWhite, "4.54:1", {true, true, false, true}},
                    ContrastRow{ComposeColor(0x94, 0x94, 0x94), clWhite, "3.03:1", {false, true, false, false}},
                    ContrastRow{ComposeColor(0x95, 0x95, 0x95), clWhite, "2.99:1", {false, false, false, false}},
                    ContrastRow{ComposeColor(0x59, 0x59, 0x59), clWhite, "7.00:1", {true, true, true, true}},
                    ContrastRow{ComposeColor(0x5A, 0x5A, 0x5A), clWhite, "6.90:1", {true, true, false, true}},
                    ContrastRow{ComposeColor(255, 0, 0), clWhite, "4.00:1", {false, true, false, false}},
                    ContrastRow{ComposeColor(0, 0, 255), clBlack, "2.44:1", {false, false, false, false}}));

TEST(ContrastTest, ThresholdsAreInclusive)
{
    EXPECT_EQ(JudgeContrast(4.5), (ContrastVerdict{true, true, false, true}));
    EXPECT_EQ(JudgeContrast(3), (ContrastVerdict{false, true, false, false}));
    EXPECT_EQ(JudgeContrast(7), (ContrastVerdict{true, true, true, true}));
    EXPECT_EQ(JudgeContrast(4.4999), (ContrastVerdict{false, true, false, false}));
    EXPECT_EQ(ContrastRatioText(4.4999), "4.49:1");
    EXPECT_EQ(ContrastRatioText(2.996), "2.99:1") << "short of AA large";
    EXPECT_EQ(ContrastRatioText(6.9951), "6.99:1") << "short of AAA";
    EXPECT_EQ(ContrastRatioText(4.4784), "4.48:1") << "rounded where no threshold is in the way";
    EXPECT_EQ(ContrastRatioText(4.5), "4.50:1");
    EXPECT_EQ(ContrastRatioText(20.9999999), "21.00:1");
    EXPECT_EQ(ContrastRatioText(10.05), "10.05:1");
}

TEST(ContrastTest, RelativeLuminanceFollowsTheSrgbCurve)
{
    EXPECT_DOUBLE_EQ(RelativeLuminance(clBlack), 0);
    EXPECT_NEAR(RelativeLuminance(clWhite), 1, 1e-12);
    EXPECT_NEAR(RelativeLuminance(ComposeColor(128, 128, 128)), 0.2158605, 1e-7);
}

TEST(ContrastTest, BlendsATranslucentForegroundOverTheBackground)
{
    EXPECT_EQ(BlendOver(clBlack, 128, clWhite), ComposeColor(127, 127, 127));
    EXPECT_EQ(BlendOver(ComposeColor(10, 20, 30), 255, clWhite), ComposeColor(10, 20, 30));
    EXPECT_EQ(BlendOver(ComposeColor(10, 20, 30), 0, clWhite), clWhite);
}

// Text over a background, each with an alpha: a translucent background lies
// on white, translucent text on the background; the note says which.
TEST(ContrastTest, TextContrastLaysTranslucentColoursOverWhatIsBehindThem)
{
    struct Row {
        TranslucentColor text;
        TranslucentColor background;
        std::string ratio;
        std::string note;
    };
    const Row rows[] = {
        {{clWhite, 255}, {ComposeColor(255, 0, 0), 255}, "4.00:1", ""},
        // Red at alpha 26 is an almost white background.
        {{clWhite, 255},
         {ComposeColor(255, 0, 0), 26},
         "1.19:1",
         "The background is translucent (alpha 26 of 255, 10.2%): measured laid over white."},
        {{clBlack, 128},
         {clWhite, 255},
         "4.00:1",
         "The text is translucent (alpha 128 of 255, 50.2%): measured laid over the background."},
        {{clBlack, 255},
         {clBlack, 0},
         "21.00:1",
         "The background is translucent (alpha 0 of 255, 0%): measured laid "
         "over white."},
        {{clWhite, 0},
         {clBlack, 128},
         "1.00:1",
         "The background is translucent (alpha 128 of 255, 50.2%): measured laid over white. The text is "
         "translucent (alpha 0 of 255, 0%): measured laid over the background."},
    };
    for (const Row &row : rows) {
        EXPECT_EQ(ContrastRatioText(TextContrast(row.text, row.background)), row.ratio);
        EXPECT_EQ(ContrastNote(row.text.alpha, row.background.alpha), row.note);
    }
}

} // namespace
} // namespace pigmentrix
