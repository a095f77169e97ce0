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

// What a palette's line must hold, for the messages.
constexpr std::string_view ColorLineRule = "the first 6 lines of a palette must each hold a color";

std::string MissingLineMessage(int index)
{
    if (index == 0)
        return "The file is empty: " + std::string(ColorLineRule);
    return "Line " + std::to_string(index + 1) + " is missing: " + std::string(ColorLineRule);
}

std::string NotAColorMessage(int index, std::string_view line)
{
    return "Line " + std::to_string(index + 1) + " is not a color: " + QuotedExcerpt(line)
           + ". A line holds a color name such as clRed or a number such as $00FF8000.";
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
    const int lineCount = static_cast<int>(lines.size());
    Palette loaded = current;
    int slot = 0;
    for (; slot < RequiredLineCount; ++slot) {
        if (slot >= lineCount)
            return {std::nullopt, MissingLineMessage(slot)};
        const auto color = ReadColorText(lines[slot]);
        if (!color)
            return {std::nullopt, NotAColorMessage(slot, lines[slot])};
        loaded[slot] = *color;
    }
    for (; slot < PaletteSlotCount && slot < lineCount; ++slot) {
        const auto color = ReadColorText(lines[slot]);
        if (!color)
            break;
        loaded[slot] = *color;
    }
    PaletteLoadResult result{loaded, {}, 0};
    if (slot == PaletteSlotCount) {
        for (int line = PaletteSlotCount; line < lineCount; ++line)
            result.colorsLeftOut += ReadColorText(lines[line]) ? 1 : 0;
    }
    return result;
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
    return {palette, {}, 0};
}

PaletteLoadResult LoadPaletteFile(const std::filesystem::path &path, const Palette &current)
{
    const FileReadResult file = ReadFileBytes(path, MaxPaletteFileBytes);
    if (!file.bytes)
        return {std::nullopt, CannotOpenFileMessage(path, file.reason)};
    PaletteLoadResult loaded = ParsePaletteText(*file.bytes, current);
    if (!loaded.palette)
        loaded.error = CannotLoadPaletteMessage(path, loaded.error);
    return loaded;
}

std::string CannotLoadPaletteMessage(const std::filesystem::path &path, std::string_view what)
{
    return "Cannot load palette \"" + AbsolutePathText(path) + "\". " + std::string(what);
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
