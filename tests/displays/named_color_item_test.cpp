#include "displays/named_color_item.h"

#include "pixel_expect.h"

#include <gtest/gtest.h>

namespace pigmentrix {
namespace {

constexpr TColor Coral = 0x00507FFF; // (255, 127, 80)
constexpr Rgb CoralRgb{255, 127, 80};

struct ItemRow {
    const char *what;
    QRect rect;
    int buttonWidth;
    QColor background;
    QColor text;
    // Swatch columns in the image, right edge exclusive; empty when from == to.
    int swatchFrom;
    int swatchTo;
};

void PrintTo(const ItemRow &row, std::ostream *os)
{
    *os << row.what;
}

class NamedColorItemTest : public testing::TestWithParam<ItemRow> {
protected:
    static QImage Draw(const ItemRow &row)
    {
        NamedColorItemParams params;
        params.rect = row.rect;
        params.buttonWidth = row.buttonWidth;
        params.background = row.background;
        params.text = row.text;
        params.value = Coral;
        params.name = QStringLiteral("Coral Reef");
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(12);
        params.font = font;
        return DrawNamedColorItem(params);
    }
};

TEST_P(NamedColorItemTest, SwatchSitsInsideTheBackgroundWithTheNameAfterIt)
{
    const ItemRow &row = GetParam();
    const QImage image = Draw(row);
    ASSERT_EQ(image.size(), row.rect.size());
    const Rgb background{row.background.red(), row.background.green(), row.background.blue()};
    const int textLeft = row.buttonWidth + 2;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < textLeft && x < image.width(); ++x) {
            const bool inSwatch = x >= row.swatchFrom && x < row.swatchTo && y >= 1 && y < image.height() - 1;
            ASSERT_TRUE(PixelIs(image, x, y, inSwatch ? CoralRgb : background));
        }
    }
    // The top row stays background all along: the name's box starts one pixel down.
    for (int x = 0; x < image.width(); ++x)
        ASSERT_TRUE(PixelIs(image, x, 0, background));

    int inked = 0;
    for (int y = 1; y < image.height(); ++y)
        for (int x = textLeft; x < image.width(); ++x)
            inked += image.pixel(x, y) != row.background.rgb() ? 1 : 0;
    EXPECT_GT(inked, 20) << "the name is written after the swatch";
}

INSTANTIATE_TEST_SUITE_P(Rows, NamedColorItemTest,
                         testing::Values(ItemRow{"plain entry at the list's left edge", QRect(0, 0, 197, 16), 27,
                                                 QColor(255, 255, 255), QColor(0, 0, 0), 3, 24},
                                         ItemRow{"selected entry further down", QRect(0, 48, 197, 16), 27,
                                                 QColor(48, 140, 198), QColor(255, 255, 255), 3, 24},
                                         // The closed box draws into its edit field, which starts 3 pixels in: the
                                         // swatch still ends 24 pixels from the list's left edge.
                                         ItemRow{"edit field of the closed box", QRect(3, 3, 170, 16), 27,
                                                 QColor(255, 255, 255), QColor(0, 0, 0), 3, 21},
                                         ItemRow{"scaled button", QRect(0, 0, 197, 20), 34, QColor(240, 240, 240),
                                                 QColor(0, 0, 0), 3, 31},
                                         ItemRow{"no room for a swatch", QRect(22, 0, 100, 16), 27,
                                                 QColor(255, 255, 255), QColor(0, 0, 0), 0, 0}));

TEST(NamedColorItem, HighDensityImageKeepsTheLogicalLayout)
{
    NamedColorItemParams params;
    params.rect = QRect(0, 0, 100, 16);
    params.background = QColor(255, 255, 255);
    params.text = QColor(0, 0, 0);
    params.value = Coral;
    params.devicePixelRatio = 2.0;
    const QImage image = DrawNamedColorItem(params);
    ASSERT_EQ(image.size(), QSize(200, 32));
    EXPECT_TRUE(PixelIs(image, 6, 2, CoralRgb));
    EXPECT_TRUE(PixelIs(image, 47, 29, CoralRgb));
    EXPECT_TRUE(PixelIs(image, 48, 29, Rgb{255, 255, 255}));
    EXPECT_TRUE(PixelIs(image, 6, 30, Rgb{255, 255, 255}));
}

} // namespace
} // namespace pigmentrix
