#include "storage/palette_formats.h"

#include "storage/css_palette.h"
#include "storage/file_io.h"
#include "storage/gimp_palette.h"
#include "storage/palette_file.h"
#include "storage/swatch_exchange.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace pigmentrix {
namespace {

// Palettes of many thousand colours fit with room to spare; a wrongly chosen
// huge file is refused before it is read whole.
constexpr std::size_t MaxSwatchFileBytes = 16 << 20;

constexpr std::array<std::pair<std::string_view, PaletteFormat>, 4> Extensions = {{
    {".plt", PaletteFormat::Pigmentrix},
    {".gpl", PaletteFormat::Gimp},
    {".ase", PaletteFormat::SwatchExchange},
    {".css", PaletteFormat::CssProperties},
}};

std::string LowerAscii(std::string text)
{
    for (char &c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The first sixteen colours over the slots of a fresh start.
Palette SlotsOfSwatches(const std::vector<Swatch> &swatches)
{
    Palette slots = DesignPalette;
    for (std::size_t slot = 0; slot < slots.size() && slot < swatches.size(); ++slot)
        slots[slot] = swatches[slot].color;
    return slots;
}

} // namespace

std::optional<PaletteFormat> PaletteFormatOfName(const std::filesystem::path &path)
{
    const std::string extension = LowerAscii(path.extension().string());
    const auto known = std::find_if(Extensions.begin(), Extensions.end(),
                                    [&extension](const auto &row) { return row.first == extension; });
    if (known == Extensions.end())
        return std::nullopt;
    return known->second;
}

bool HoldsSwatches(PaletteFormat format)
{
    return format == PaletteFormat::Gimp || format == PaletteFormat::SwatchExchange;
}

SwatchReadResult LoadSwatchFile(const std::filesystem::path &path, PaletteFormat format)
{
    if (!HoldsSwatches(format))
        return {std::nullopt, CannotLoadPaletteMessage(path, "Pigmentrix writes CSS custom properties but does not "
                                                             "read them: load a .plt, .gpl or .ase palette")};
    const FileReadResult file = ReadFileBytes(path, MaxSwatchFileBytes);
    if (!file.bytes)
        return {std::nullopt, CannotOpenFileMessage(path, file.reason)};
    SwatchReadResult read =
        format == PaletteFormat::Gimp ? ParseGimpPalette(*file.bytes) : ParseSwatchExchange(*file.bytes);
    if (!read.palette)
        return {std::nullopt, CannotLoadPaletteMessage(path, read.error)};
    if (read.palette->swatches.empty())
        return {std::nullopt, CannotLoadPaletteMessage(path, "The file holds no colors")};
    return read;
}

std::optional<std::string> SaveSwatchFile(const std::filesystem::path &path, PaletteFormat format,
                                          SwatchPalette palette)
{
    std::string bytes;
    switch (format) {
    case PaletteFormat::Gimp:
        if (palette.name.empty())
            palette.name = path.stem().string();
        bytes = FormatGimpPalette(palette);
        break;
    case PaletteFormat::SwatchExchange: bytes = FormatSwatchExchange(palette); break;
    case PaletteFormat::CssProperties: bytes = FormatCssPalette(palette); break;
    case PaletteFormat::Pigmentrix: bytes = FormatPaletteFile(SlotsOfSwatches(palette.swatches)); break;
    }
    if (auto reason = WriteFileAtomically(path, bytes))
        return CannotCreateFileMessage(path, *reason);
    return std::nullopt;
}

} // namespace pigmentrix
