#include "image_screen_sampler.h"
#include "sampling/average_color.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pigmentrix {
namespace {

QImage Block(int size, QRgb fill)
{
    QImage block(size, size, QImage::Format_ARGB32);
    block.fill(fill);
    return block;
}

struct AverageRow {
    std::string name;
    QImage block;
    TColor expected;
};

TEST(AverageBlockColor, TruncatesEachMean)
{
    QImage oneWhite = Block(3, qRgb(0, 0, 0));
    oneWhite.setPixel(1, 1, qRgb(255, 255, 255));
    QImage redSum6374 = Block(5, qRgb(255, 0, 0));
    redSum6374.setPixel(4, 4, qRgb(254, 0, 0));
    QImage mixed = Block(3, qRgb(10, 20, 30));
    mixed.setPixel(0, 0, qRgb(18, 28, 38));
    const std::vector<AverageRow> rows = {
        {"eight black and one white", oneWhite, ComposeColor(28, 28, 28)},
        {"red sum 6374 over 25", redSum6374, ComposeColor(254, 0, 0)},
        {"sums 98, 188, 278 over 9", mixed, ComposeColor(10, 20, 30)},
        {"uniform 5x5", Block(5, qRgb(1, 2, 3)), ComposeColor(1, 2, 3)},
    };
    for (const AverageRow &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(AverageBlockColor(row.block), row.expected);
    }
}

TEST(AverageBlockColor, PixelsBeyondTheDesktopTakeNoPart)
{
    QImage corner = Block(3, qRgba(0, 0, 0, 0));
    corner.setPixel(1, 1, qRgb(200, 100, 50));
    corner.setPixel(2, 1, qRgb(101, 0, 0));
    EXPECT_EQ(AverageBlockColor(corner), ComposeColor(150, 50, 25));
    EXPECT_FALSE(AverageBlockColor(Block(3, qRgba(0, 0, 0, 0))));
}

TEST(GetAverageColor, FiveByFiveAtPointer100_200SamplesColumns98To102Rows198To202)
{
    QImage desktop(300, 300, QImage::Format_RGB32);
    desktop.fill(qRgb(255, 0, 0));
    for (int y = 198; y <= 202; ++y)
        for (int x = 98; x <= 102; ++x)
            desktop.setPixel(x, y, qRgb(0, 0, 255));
    ImageScreenSampler screen(desktop);
    EXPECT_EQ(GetAverageColor(screen, 100, 200, 5), ComposeColor(0, 0, 255));
    EXPECT_EQ(GetAverageColor(screen, 100, 200, 3), ComposeColor(0, 0, 255));
    EXPECT_EQ(GetAverageColor(screen, 101, 200, 5), ComposeColor(51, 0, 204)) << "one red column of five";
}

TEST(GetAverageColor, FailsWhenTheScreenCannotBeRead)
{
    ImageScreenSampler screen(Block(10, qRgb(1, 1, 1)));
    screen.readable = false;
    EXPECT_FALSE(GetAverageColor(screen, 5, 5, 3));
}

} // namespace
} // namespace pigmentrix
