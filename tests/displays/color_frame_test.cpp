#include "displays/color_frame.h"

#include "model/conversions.h"
#include "pixel_expect.h"

#include <QFontMetrics>
#include <QPainter>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace pigmentrix {
namespace {

constexpr TColor RoyalBlue = 0x00E16941; // (65, 105, 225)
constexpr Rgb RoyalBlueRgb{65, 105, 225};

TEST(CheckerGrey, DarkSquaresFadeWithAlpha)
{
    struct Row {
        int alpha;
        int grey;
    };
    for (const Row row : {Row{0, 192}, Row{255, 0}, Row{128, 96}, Row{1, 191}, Row{127, 96}, Row{254, 1}}) {
        SCOPED_TRACE(row.alpha);
        EXPECT_EQ(CheckerGrey(row.alpha), row.grey);
    }
}

// The form's 96x106 frame in royal blue, text switched off.
class PlainFrame : public testing::Test {
protected:
    PlainFrame()
    {
        params.color = RoyalBlue;
        params.useText = false;
        params.caption = "Pigmentrix";
    }

    ColorFrameParams params;
};

TEST_F(PlainFrame, OpaqueColourFillsTheWholeFrame)
{
    struct Row {
        int alphaOld;
        bool alphaMode;
    };
    // alphaOld -1 is the first drawing: the checkerboard is laid but fully hidden.
    for (const Row row : {Row{255, false}, Row{-1, false}, Row{128, true}, Row{255, true}}) {
        SCOPED_TRACE(testing::Message() << "alphaOld " << row.alphaOld);
        params.alphaOld = row.alphaOld;
        params.alphaMode = row.alphaMode;
        const ColorFrame frame = BuildColorFrame(params);
        ASSERT_EQ(frame.image.size(), QSize(96, 106));
        for (int y = 0; y < 106; ++y)
            for (int x = 0; x < 96; ++x)
                ASSERT_TRUE(PixelIs(frame.image, x, y, RoyalBlueRgb));
        EXPECT_EQ(frame.alphaOld, 255);
    }
}

TEST_F(PlainFrame, TransparentColourShowsOnlyTheCheckerboard)
{
    params.alpha = 0;
    params.alphaMode = true;
    const ColorFrame frame = BuildColorFrame(params);
    EXPECT_EQ(frame.alphaOld, 0);
    constexpr Rgb Grey{192, 192, 192};
    constexpr Rgb White{255, 255, 255};
    struct Row {
        int x;
        int y;
        Rgb expected;
    };
    for (const Row &row : std::vector<Row>{{0, 0, Grey},
                                           {9, 9, Grey},
                                           {10, 0, White},
                                           {0, 10, White},
                                           {19, 19, Grey},
                                           {20, 9, Grey},
                                           {95, 0, White},
                                           {95, 105, White},
                                           {85, 100, Grey}}) {
        EXPECT_TRUE(PixelIs(frame.image, row.x, row.y, row.expected));
    }
}

// Alpha 128: dark squares grey 96, blended as round(O x 127/255 + P x 128/255).
TEST_F(PlainFrame, HalfTransparentColourBlendsOverTheCheckerboard)
{
    params.alpha = 128;
    params.alphaMode = true;
    const ColorFrame frame = BuildColorFrame(params);
    EXPECT_TRUE(PixelIs(frame.image, 0, 0, {80, 101, 161}));
    EXPECT_TRUE(PixelIs(frame.image, 10, 0, {160, 180, 240}));
    EXPECT_EQ(frame.alphaOld, 128);
}

TEST_F(PlainFrame, SystemColourIsResolved)
{
    params.color = static_cast<TColor>(0xFF00000F);
    const TColor resolved = ColorToRGB(params.color);
    const ColorFrame frame = BuildColorFrame(params);
    EXPECT_TRUE(PixelIs(frame.image, 50, 50, {RedOf(resolved), GreenOf(resolved), BlueOf(resolved)}));
}

TEST_F(PlainFrame, EmptySizeGivesNoImage)
{
    params.size = {0, 106};
    EXPECT_TRUE(BuildColorFrame(params).image.isNull());
}

// Locating the caption: the rows and columns where a frame with the caption
// differs from the same frame without it.
struct InkBox {
    int top = -1;
    int bottom = -1; // inclusive
    int left = -1;
    std::vector<int> rows;
};

InkBox InkBetween(const QImage &with, const QImage &without)
{
    InkBox box;
    for (int y = 0; y < with.height(); ++y) {
        bool rowHasInk = false;
        for (int x = 0; x < with.width(); ++x) {
            if (with.pixel(x, y) == without.pixel(x, y))
                continue;
            rowHasInk = true;
            if (box.left < 0 || x < box.left)
                box.left = x;
        }
        if (rowHasInk) {
            box.rows.push_back(y);
            if (box.top < 0)
                box.top = y;
            box.bottom = y;
        }
    }
    return box;
}

// The first ink row below the gap that follows the first run of ink rows.
std::optional<int> SecondInkRun(const InkBox &box)
{
    for (std::size_t i = 1; i < box.rows.size(); ++i)
        if (box.rows[i] > box.rows[i - 1] + 1)
            return box.rows[i];
    return std::nullopt;
}

class FrameText : public testing::Test {
protected:
    FrameText()
    {
        font.setFamily("DejaVu Sans");
        font.setPixelSize(13);
        font.setBold(true);
        params.color = clWhite;
        params.font = font;
        params.textColor = 0x000000FF; // red
        params.caption = "Pigmentrix";
        params.alphaOld = 255;
        measureCaption();
    }

    // Where the font puts ink relative to a text box whose top-left is (0, 0).
    void measureCaption()
    {
        QImage alone(200, 60, QImage::Format_RGB32);
        alone.fill(Qt::white);
        QPainter painter(&alone);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRect(0, 0, 200, 60), Qt::AlignLeft | Qt::AlignTop, params.caption);
        painter.end();
        QImage blank(alone.size(), QImage::Format_RGB32);
        blank.fill(Qt::white);
        const InkBox ink = InkBetween(alone, blank);
        inkTop = ink.top;
        inkLeft = ink.left;
        textLeft = qRound((96 - QFontMetrics(font).horizontalAdvance(params.caption)) / 2.0);
    }

    InkBox inkOf(const ColorFrameParams &p) const
    {
        ColorFrameParams empty = p;
        empty.caption.clear();
        return InkBetween(BuildColorFrame(p).image, BuildColorFrame(empty).image);
    }

    QFont font;
    ColorFrameParams params;
    int inkTop = 0;
    int inkLeft = 0;
    int textLeft = 0;
};

TEST_F(FrameText, CaptionTopEdgeDependsOnAlphaMode)
{
    struct Row {
        bool alphaMode;
        int top;
    };
    for (const Row row : {Row{false, 43}, Row{true, 27}}) {
        SCOPED_TRACE(row.alphaMode);
        params.alphaMode = row.alphaMode;
        const InkBox ink = inkOf(params);
        EXPECT_EQ(ink.top, row.top + inkTop);
        EXPECT_EQ(ink.left, textLeft + inkLeft);
        EXPECT_FALSE(SecondInkRun(ink).has_value());
    }
}

TEST_F(FrameText, TransparentColourShowsAFaintCopyLowerDown)
{
    params.alphaMode = true;
    for (const int alpha : {0, 128}) {
        SCOPED_TRACE(alpha);
        params.alpha = alpha;
        const InkBox ink = inkOf(params);
        EXPECT_EQ(ink.top, 27 + inkTop);
        EXPECT_EQ(SecondInkRun(ink), 58 + inkTop);
        EXPECT_EQ(ink.left, textLeft + inkLeft);
    }
}

TEST_F(FrameText, CaptionIsDrawnInTheTextColour)
{
    const QImage image = BuildColorFrame(params).image;
    bool found = false;
    for (int y = 0; y < image.height() && !found; ++y)
        for (int x = 0; x < image.width() && !found; ++x)
            found = image.pixel(x, y) == qRgb(255, 0, 0);
    EXPECT_TRUE(found);
}

TEST_F(FrameText, SwitchedOffTextDrawsNothing)
{
    params.useText = false;
    params.alpha = 0;
    params.alphaMode = true;
    EXPECT_TRUE(inkOf(params).rows.empty());
}

} // namespace
} // namespace pigmentrix
