#include "storage/swatch_exchange.h"

#include "model/color_spaces.h"
#include "model/conversions.h"
#include "storage/text_lines.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>

namespace pigmentrix {
namespace {

constexpr std::string_view Mark = "ASEF";
constexpr std::size_t HeaderSize = 12;
constexpr std::size_t BlockHeaderSize = 6; // type and length
constexpr std::uint16_t ColorEntry = 0x0001;
constexpr std::uint16_t NormalColor = 2; // after global 0 and spot 1
// A name's length counts its terminating zero and must fit 16 bits.
constexpr std::size_t MaxNameUnits = 0xFFFF - 1;

// Reads big-endian numbers from the front of bytes; the caller checks that
// enough are left.
class BigEndianReader {
public:
    explicit BigEndianReader(std::string_view bytes)
        : bytes(bytes)
    {
    }

    std::size_t left() const { return bytes.size(); }

    std::string_view take(std::size_t count)
    {
        const std::string_view taken = bytes.substr(0, count);
        bytes.remove_prefix(count);
        return taken;
    }
    std::uint16_t u16() { return static_cast<std::uint16_t>(unsignedOf(take(2))); }
    std::uint32_t u32() { return static_cast<std::uint32_t>(unsignedOf(take(4))); }
    float f32() { return std::bit_cast<float>(u32()); }

private:
    static std::uint32_t unsignedOf(std::string_view taken)
    {
        std::uint32_t value = 0;
        for (char c : taken)
            value = (value << 8) | static_cast<std::uint8_t>(c);
        return value;
    }

    std::string_view bytes;
};

struct ColorModel {
    std::string_view tag;
    std::size_t valueCount;
    TColor (*toColor)(const std::array<float, 4> &values);
};

constexpr std::array ColorModels = {
    ColorModel{"RGB ", 3, [](const auto &v) { return ColorFromRGBFractions(v[0], v[1], v[2]); }},
    ColorModel{"CMYK", 4, [](const auto &v) { return ColorFromCMYKFractions(v[0], v[1], v[2], v[3]); }},
    // Lightness is kept as a fraction, a* and b* as they are.
    ColorModel{"LAB ", 3, [](const auto &v) { return ColorFromLab(v[0] * 100.0, v[1], v[2]); }},
    ColorModel{"Gray", 1, [](const auto &v) { return ColorFromGrayFraction(v[0]); }},
};

// The model's four letters, with anything unprintable shown as "?".
std::string Printable(std::string_view tag)
{
    std::string text(tag);
    for (char &c : text) {
        if (c < ' ' || c > '~')
            c = '?';
    }
    return text;
}

std::string BlockNumber(std::size_t index)
{
    return "Block " + std::to_string(index + 1);
}

// A colour entry's body, or what is wrong with it.
std::optional<Swatch> ReadColorEntry(std::string_view body, std::size_t index, std::string &error)
{
    BigEndianReader entry(body);
    if (entry.left() < 2) {
        error = BlockNumber(index) + ", a color, ends before its name";
        return std::nullopt;
    }
    const std::size_t nameUnits = entry.u16();
    if (entry.left() < nameUnits * 2) {
        error = BlockNumber(index) + ": its name of " + std::to_string(nameUnits)
                + " characters runs past the end of the block";
        return std::nullopt;
    }
    std::string_view name = entry.take(nameUnits * 2);
    while (name.size() >= 2 && name[name.size() - 2] == '\0' && name.back() == '\0')
        name.remove_suffix(2);
    if (entry.left() < 4) {
        error = BlockNumber(index) + " ends before its color model";
        return std::nullopt;
    }
    const std::string_view tag = entry.take(4);
    const auto model = std::find_if(ColorModels.begin(), ColorModels.end(),
                                    [tag](const ColorModel &known) { return known.tag == tag; });
    if (model == ColorModels.end()) {
        error = BlockNumber(index) + " has the unknown color model \"" + Printable(tag) + "\"";
        return std::nullopt;
    }
    if (entry.left() < model->valueCount * 4 + 2) {
        error = BlockNumber(index) + " ends inside its color values";
        return std::nullopt;
    }
    std::array<float, 4> values{};
    for (std::size_t k = 0; k < model->valueCount; ++k) {
        values[k] = entry.f32();
        if (!std::isfinite(values[k])) {
            error = BlockNumber(index) + " has a color value that is not a number";
            return std::nullopt;
        }
    }
    const std::uint16_t kind = entry.u16();
    if (kind > NormalColor) {
        error = BlockNumber(index) + " has the unknown color type " + std::to_string(kind);
        return std::nullopt;
    }
    return Swatch{model->toColor(values), DecodeUtf16(name, true)};
}

void AppendU16(std::string &bytes, std::uint32_t value)
{
    bytes += static_cast<char>((value >> 8) & 0xFF);
    bytes += static_cast<char>(value & 0xFF);
}

void AppendU32(std::string &bytes, std::uint32_t value)
{
    AppendU16(bytes, value >> 16);
    AppendU16(bytes, value & 0xFFFF);
}

// At most MaxNameUnits code units, never half of a surrogate pair.
std::u16string NameUnits(std::string_view name)
{
    std::u16string units = EncodeUtf16(name);
    if (units.size() > MaxNameUnits) {
        units.resize(MaxNameUnits);
        if (units.back() >= 0xD800 && units.back() <= 0xDBFF)
            units.pop_back();
    }
    return units;
}

} // namespace

SwatchReadResult ParseSwatchExchange(std::string_view bytes)
{
    if (!bytes.starts_with(Mark))
        return {std::nullopt, "The file does not begin with \"ASEF\", the mark of an Adobe Swatch Exchange file"};
    if (bytes.size() < HeaderSize)
        return {std::nullopt, "The file ends inside its header"};
    BigEndianReader file(bytes.substr(Mark.size()));
    const std::uint16_t major = file.u16();
    const std::uint16_t minor = file.u16();
    if (major != 1)
        return {std::nullopt, "The file is of version " + std::to_string(major) + "." + std::to_string(minor)
                                  + "; only version 1 is known"};
    const std::uint32_t blockCount = file.u32();
    if (blockCount > file.left() / BlockHeaderSize)
        return {std::nullopt, "The header announces " + std::to_string(blockCount) + " blocks, more than the "
                                  + std::to_string(bytes.size()) + " bytes of the file can hold"};
    SwatchPalette palette;
    for (std::size_t index = 0; index < blockCount; ++index) {
        if (file.left() < BlockHeaderSize)
            return {std::nullopt,
                    BlockNumber(index) + " of " + std::to_string(blockCount) + " is missing: the file ends before it"};
        const std::uint16_t type = file.u16();
        const std::uint32_t length = file.u32();
        if (length > file.left())
            return {std::nullopt,
                    BlockNumber(index) + " claims " + std::to_string(length) + " bytes, past the end of the file"};
        const std::string_view body = file.take(length);
        if (type != ColorEntry)
            continue;
        std::string error;
        std::optional<Swatch> swatch = ReadColorEntry(body, index, error);
        if (!swatch)
            return {std::nullopt, std::move(error)};
        palette.swatches.push_back(std::move(*swatch));
    }
    return {std::move(palette), {}};
}

std::string FormatSwatchExchange(const SwatchPalette &palette)
{
    std::string bytes(Mark);
    AppendU16(bytes, 1);
    AppendU16(bytes, 0);
    AppendU32(bytes, static_cast<std::uint32_t>(palette.swatches.size()));
    for (const Swatch &swatch : palette.swatches) {
        const std::u16string name = NameUnits(swatch.name);
        const std::size_t nameUnits = name.size() + 1;
        AppendU16(bytes, ColorEntry);
        AppendU32(bytes, static_cast<std::uint32_t>(2 + nameUnits * 2 + 4 + 3 * 4 + 2));
        AppendU16(bytes, static_cast<std::uint32_t>(nameUnits));
        for (char16_t unit : name)
            AppendU16(bytes, unit);
        AppendU16(bytes, 0);
        bytes += ColorModels[0].tag;
        const TColor rgb = ColorToRGB(swatch.color);
        for (int channel : {RedOf(rgb), GreenOf(rgb), BlueOf(rgb)})
            AppendU32(bytes, std::bit_cast<std::uint32_t>(static_cast<float>(channel / 255.0)));
        AppendU16(bytes, NormalColor);
    }
    return bytes;
}

} // namespace pigmentrix
