#include "sampling/zpixmap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pigmentrix {
namespace {

struct DecodeRow {
    std::string name;
    ZPixmapLayout layout;
    int width;
    std::vector<std::uint8_t> data; // one row
    std::vector<QRgb> expected;
};

ZPixmapLayout Layout(int bits, int pad, bool lsb, std::uint32_t r, std::uint32_t g, std::uint32_t b)
{
    return {bits, pad, lsb, r, g, b};
}

TEST(DecodeZPixmap, ReadsTheServersPixelLayouts)
{
    const std::vector<DecodeRow> rows = {
        {"32 bits, least significant byte first",
         Layout(32, 32, true, 0xFF0000, 0xFF00, 0xFF),
         2,
         {0x30, 0x20, 0x10, 0x00, 0xFF, 0x00, 0x80, 0x00},
         {qRgb(0x10, 0x20, 0x30), qRgb(0x80, 0x00, 0xFF)}},
        {"32 bits, most significant byte first",
         Layout(32, 32, false, 0xFF0000, 0xFF00, 0xFF),
         1,
         {0x00, 0x10, 0x20, 0x30},
         {qRgb(0x10, 0x20, 0x30)}},
        {"24 bits packed, row padded to 32",
         Layout(24, 32, true, 0xFF0000, 0xFF00, 0xFF),
         1,
         {0x03, 0x02, 0x01, 0xEE},
         {qRgb(1, 2, 3)}},
        {"16 bits 5-6-5",
         Layout(16, 32, true, 0xF800, 0x07E0, 0x001F),
         4,
         {0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0x10, 0x84},
         {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(132, 130, 132)}},
        {"blue in the high byte",
         Layout(32, 32, true, 0xFF, 0xFF00, 0xFF0000),
         1,
         {0x10, 0x20, 0x30, 0x00},
         {qRgb(0x10, 0x20, 0x30)}},
    };
    for (const DecodeRow &row : rows) {
        SCOPED_TRACE(row.name);
        const std::optional<QImage> image = DecodeZPixmap(row.data.data(), row.data.size(), row.width, 1, row.layout);
        ASSERT_TRUE(image);
        for (int x = 0; x < row.width; ++x)
            EXPECT_EQ(image->pixel(x, 0), row.expected[static_cast<std::size_t>(x)]) << "x = " << x;
    }
}

TEST(DecodeZPixmap, SecondRowStartsAfterThePadding)
{
    const ZPixmapLayout layout = Layout(24, 32, true, 0xFF0000, 0xFF00, 0xFF);
    EXPECT_EQ(ZPixmapRowBytes(layout, 1), 4u);
    EXPECT_EQ(ZPixmapRowBytes(layout, 3), 12u);
    const std::vector<std::uint8_t> data = {1, 2, 3, 0, 4, 5, 6, 0};
    const std::optional<QImage> image = DecodeZPixmap(data.data(), data.size(), 1, 2, layout);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixel(0, 1), qRgb(6, 5, 4));
}

TEST(DecodeZPixmap, RefusesWhatItCannotReadCorrectly)
{
    const std::vector<std::uint8_t> data(64, 0);
    EXPECT_FALSE(DecodeZPixmap(data.data(), data.size(), 2, 2, Layout(8, 32, true, 0xE0, 0x1C, 0x03)))
        << "8 bits per pixel";
    EXPECT_FALSE(DecodeZPixmap(data.data(), 7, 2, 1, Layout(32, 32, true, 0xFF0000, 0xFF00, 0xFF)))
        << "data shorter than the image";
    EXPECT_FALSE(DecodeZPixmap(data.data(), data.size(), 1, 1, Layout(32, 32, true, 0, 0xFF00, 0xFF)))
        << "no red channel";
}

} // namespace
} // namespace pigmentrix
