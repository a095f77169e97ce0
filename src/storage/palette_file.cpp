#include "storage/palette_file.h"

#include "model/integer_text.h"
#include "storage/color_identifiers.h"
#include "storage/file_io.h"
#include "storage/text_lines.h"

namespace pigmentrix {
namespace {

constexpr int RequiredLineCount = 6;
// Far beyond any palette; keeps a wrongly chosen huge file from being read.
constexpr std::size_t MaxPaletteFileBytes = 1 << 20;

std::string ListIndexOutOfBoundsMessage(int index)
{
    return "List index out of bounds (" + std::to_string(index) + ")";
}

} // namespace

std::string FormatPaletteFile(const Palette &palette)
{
    std::string text;
    for (TColor color : palette) {
        text += ColorToPaletteText(color);
        text += "\r\n";
    }
    return text;
}

PaletteLoadResult ParsePaletteText(std::string_view fileBytes, const Palette &current)
{
    const std::vector<std::string> lines = SplitLines(DecodeTextFile(fileBytes));
    Palette loaded = current;
    for (int slot = 0; slot < RequiredLineCount; ++slot) {
        if (slot >= static_cast<int>(lines.size()))
            return {std::nullopt, ListIndexOutOfBoundsMessage(slot)};
        const auto color = ReadColorText(lines[slot]);
        if (!color)
            return {std::nullopt, InvalidIntegerMessage(lines[slot])};
        loaded[slot] = *color;
    }
    for (int slot = RequiredLineCount; slot < PaletteSlotCount; ++slot) {
        if (slot >= static_cast<int>(lines.size()))
            break;
        const auto color = ReadColorText(lines[slot]);
        if (!color)
            break;
        loaded[slot] = *color;
    }
    return {loaded, {}};
}

PaletteLoadResult PaletteFromColorTexts(std::span<const std::string> texts)
{
    if (texts.size() != PaletteSlotCount)
        return {std::nullopt, "A palette holds 16 colours, not " + std::to_string(texts.size())};
    Palette palette{};
    for (int slot = 0; slot < PaletteSlotCount; ++slot) {
        const auto color = ReadColorText(texts[slot]);
        if (!color)
            return {std::nullopt, InvalidIntegerMessage(texts[slot])};
        palette[slot] = *color;
    }
    return {palette, {}};
}

PaletteLoadResult LoadPaletteFile(const std::filesystem::path &path, const Palette &current)
{
    const FileReadResult file = ReadFileBytes(path, MaxPaletteFileBytes);
    if (!file.bytes)
        return {std::nullopt, CannotOpenFileMessage(path, file.reason)};
    return ParsePaletteText(*file.bytes, current);
}

std::optional<std::string> SavePaletteFile(const std::filesystem::path &path, const Palette &palette)
{
    if (auto reason = WriteFileAtomically(path, FormatPaletteFile(palette)))
        return CannotCreateFileMessage(path, *reason);
    return std::nullopt;
}

std::string PaletteNameOf(const std::filesystem::path &path)
{
    return path.filename().string();
}

std::filesystem::path WithPaletteExtension(const std::filesystem::path &path)
{
    if (path.filename().has_extension())
        return path;
    std::filesystem::path named = path;
    named += ".plt";
    return named;
}

} // namespace pigmentrix
