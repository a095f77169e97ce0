#include "storage/swatch_exchange.h"

#include "storage/gimp_palette.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace pigmentrix {
namespace {

constexpr std::uint16_t ColorEntry = 0x0001;
constexpr std::uint16_t GroupStart = 0xC001;
constexpr std::uint16_t GroupEnd = 0xC002;
constexpr std::uint16_t Global = 0;
constexpr std::uint16_t Spot = 1;
constexpr std::uint16_t Normal = 2;

std::string U16(std::uint32_t value)
{
    return {static_cast<char>((value >> 8) & 0xFF), static_cast<char>(value & 0xFF)};
}

std::string U32(std::uint32_t value)
{
    return U16(value >> 16) + U16(value & 0xFFFF);
}

std::string F32(float value)
{
    return U32(std::bit_cast<std::uint32_t>(value));
}

// A name as a block holds it: its length with the terminating zero, then
// the UTF-16 units and the zero.
std::string Name(std::u16string_view name)
{
    std::string bytes = U16(static_cast<std::uint32_t>(name.size() + 1));
    for (char16_t unit : name)
        bytes += U16(unit);
    return bytes + U16(0);
}

std::string ColorBody(std::u16string_view name, std::string_view model, std::vector<float> values,
                      std::uint16_t kind = Normal)
{
    std::string body = Name(name) + std::string(model);
    for (float value : values)
        body += F32(value);
    return body + U16(kind);
}

std::string Block(std::uint16_t type, std::string_view body)
{
    return U16(type) + U32(static_cast<std::uint32_t>(body.size())) + std::string(body);
}

std::string File(std::uint32_t blockCount, std::string_view blocks, std::uint16_t major = 1)
{
    return "ASEF" + U16(major) + U16(0) + U32(blockCount) + std::string(blocks);
}

TColor Rgb(int r, int g, int b)
{
    return ComposeColor(r, g, b);
}

TEST(SwatchExchange, ReadsEveryColourModelAndKindInFileOrder)
{
    const std::string blocks = Block(ColorEntry, ColorBody(u"Loose", "RGB ", {1, 0.5f, 0}, Global))
                               + Block(GroupStart, Name(u"Brand"))
                               + Block(ColorEntry, ColorBody(u"Ink", "CMYK", {0, 1, 1, 0}, Spot))
                               + Block(ColorEntry, ColorBody(u"Lab white", "LAB ", {1, 0, 0}, Normal))
                               + Block(ColorEntry, ColorBody(u"Quarter", "Gray", {0.25f}, Normal)) + Block(GroupEnd, "")
                               + Block(ColorEntry, ColorBody(u"Caf\u00E9 \U0001F608", "RGB ", {0, 0, 1}));
    const SwatchReadResult read = ParseSwatchExchange(File(7, blocks));
    ASSERT_TRUE(read.palette) << read.error;
    const std::vector<Swatch> expected = {
        {Rgb(255, 128, 0), "Loose"},
        {Rgb(255, 0, 0), "Ink"},
        {Rgb(255, 255, 255), "Lab white"},
        {Rgb(64, 64, 64), "Quarter"},
        {Rgb(0, 0, 255), "Caf\xC3\xA9 \xF0\x9F\x98\x88"},
    };
    EXPECT_EQ(read.palette->swatches, expected);
    EXPECT_EQ(read.palette->name, "");
}

TEST(SwatchExchange, TakesWhatOtherWritersLeaveAsItIs)
{
    struct Row {
        const char *what;
        std::string bytes;
        std::vector<Swatch> swatches;
    };
    const std::string red = Block(ColorEntry, ColorBody(u"Red", "RGB ", {1, 0, 0}));
    const std::vector<Row> rows = {
        {"no blocks", File(0, ""), {}},
        {"a name of length 0",
         File(1, Block(ColorEntry, U16(0) + "Gray" + F32(1) + U16(Normal))),
         {{Rgb(255, 255, 255), ""}}},
        {"a name without its terminating zero",
         File(1, Block(ColorEntry, U16(2) + U16('O') + U16('K') + "Gray" + F32(0) + U16(Normal))),
         {{Rgb(0, 0, 0), "OK"}}},
        {"extra bytes at a block's end",
         File(1, Block(ColorEntry, ColorBody(u"Red", "RGB ", {1, 0, 0}) + "more")),
         {{Rgb(255, 0, 0), "Red"}}},
        {"a block of an unknown kind is passed over",
         File(2, Block(0x0042, "whatever") + red),
         {{Rgb(255, 0, 0), "Red"}}},
        {"bytes after the last block", File(1, red + "trailing"), {{Rgb(255, 0, 0), "Red"}}},
        {"a group end without a start", File(2, Block(GroupEnd, "") + red), {{Rgb(255, 0, 0), "Red"}}},
        {"values beyond the range",
         File(1, Block(ColorEntry, ColorBody(u"", "RGB ", {2, -1, 0.2f}))),
         {{Rgb(255, 0, 51), ""}}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        const SwatchReadResult read = ParseSwatchExchange(row.bytes);
        ASSERT_TRUE(read.palette) << read.error;
        EXPECT_EQ(read.palette->swatches, row.swatches);
    }
}

TEST(SwatchExchange, RefusesADamagedFileAndSaysWhatIsWrong)
{
    struct Row {
        const char *what;
        std::string bytes;
        std::string error;
    };
    const std::string red = Block(ColorEntry, ColorBody(u"Red", "RGB ", {1, 0, 0}));
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float infinity = std::numeric_limits<float>::infinity();
    const std::vector<Row> rows = {
        {"empty file", "", "The file does not begin with \"ASEF\", the mark of an Adobe Swatch Exchange file"},
        {"another format", "GIMP Palette\n1 2 3\n",
         "The file does not begin with \"ASEF\", the mark of an Adobe Swatch Exchange file"},
        {"cut inside the header", "ASEF" + U16(1) + U16(0) + U16(0), "The file ends inside its header"},
        {"version 2", File(1, red, 2), "The file is of version 2.0; only version 1 is known"},
        {"an absurd block count", File(0xFFFFFFFF, red),
         "The header announces 4294967295 blocks, more than the 46 bytes of the file can hold"},
        {"fewer blocks than announced", File(3, red + red), "Block 3 of 3 is missing: the file ends before it"},
        {"a block length past the end", File(1, U16(ColorEntry) + U32(1000) + ColorBody(u"Red", "RGB ", {1, 0, 0})),
         "Block 1 claims 1000 bytes, past the end of the file"},
        {"a truncated last block", File(2, red + red.substr(0, red.size() - 3)),
         "Block 2 claims 28 bytes, past the end of the file"},
        {"a colour entry of no bytes", File(1, Block(ColorEntry, "")), "Block 1, a color, ends before its name"},
        {"a name longer than its block", File(2, red + Block(ColorEntry, U16(500) + U16('A'))),
         "Block 2: its name of 500 characters runs past the end of the block"},
        {"no colour model", File(1, Block(ColorEntry, Name(u"A"))), "Block 1 ends before its color model"},
        {"an unknown colour model", File(1, Block(ColorEntry, ColorBody(u"A", "HSB\x01", {1, 1, 1}))),
         "Block 1 has the unknown color model \"HSB?\""},
        {"a CMYK colour with three values",
         File(1, Block(ColorEntry, Name(u"A") + "CMYK" + F32(0) + F32(0) + F32(0) + U16(Normal))),
         "Block 1 ends inside its color values"},
        {"no colour type", File(1, Block(ColorEntry, Name(u"A") + "Gray" + F32(0))),
         "Block 1 ends inside its color values"},
        {"not a number", File(1, Block(ColorEntry, ColorBody(u"A", "RGB ", {0, nan, 0}))),
         "Block 1 has a color value that is not a number"},
        {"infinity", File(1, Block(ColorEntry, ColorBody(u"A", "LAB ", {infinity, 0, 0}))),
         "Block 1 has a color value that is not a number"},
        {"an unknown colour type", File(1, Block(ColorEntry, ColorBody(u"A", "Gray", {0}, 7))),
         "Block 1 has the unknown color type 7"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        const SwatchReadResult read = ParseSwatchExchange(row.bytes);
        EXPECT_FALSE(read.palette);
        EXPECT_EQ(read.error, row.error);
    }
}

TEST(SwatchExchange, WritesNamedRGBEntriesOfTheNormalKind)
{
    const SwatchPalette palette{"ignored", 0, {{Rgb(255, 0, 0), "R\xC3\xA9"}, {Rgb(0, 51, 255), ""}}};
    EXPECT_EQ(FormatSwatchExchange(palette),
              File(2, Block(ColorEntry, ColorBody(u"R\u00E9", "RGB ", {1, 0, 0}, Normal))
                          + Block(ColorEntry, ColorBody(u"", "RGB ", {0, 0.2f, 1}, Normal))));
}

TEST(SwatchExchange, EveryChannelValueReadsBackExactly)
{
    SwatchPalette palette;
    for (int level = 0; level < 256; ++level)
        palette.swatches.push_back({Rgb(level, 255 - level, level / 2), "level " + std::to_string(level)});
    const SwatchReadResult read = ParseSwatchExchange(FormatSwatchExchange(palette));
    ASSERT_TRUE(read.palette) << read.error;
    EXPECT_EQ(read.palette->swatches, palette.swatches);
}

TEST(SwatchExchange, GimpPaletteThroughSwatchExchangeKeepsColoursAndNames)
{
    const std::string gimp = "GIMP Palette\n"
                             "Name: Harbour\n"
                             "Columns: 0\n"
                             "#\n"
                             "  0  51 102\tDeep Water\n"
                             "255 255 255\n"
                             "250 128 114\tSalmon \xE2\x80\x93 caf\xC3\xA9\n"
                             "  1   2   3\t\xF0\x9F\x98\x88\n";
    const SwatchReadResult first = ParseGimpPalette(gimp);
    ASSERT_TRUE(first.palette) << first.error;
    const SwatchReadResult exchanged = ParseSwatchExchange(FormatSwatchExchange(*first.palette));
    ASSERT_TRUE(exchanged.palette) << exchanged.error;
    EXPECT_EQ(exchanged.palette->swatches, first.palette->swatches);

    SwatchPalette back = *exchanged.palette;
    back.name = "Harbour";
    EXPECT_EQ(FormatGimpPalette(back), gimp);
}

} // namespace
} // namespace pigmentrix
