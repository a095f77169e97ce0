#include "storage/gimp_palette.h"

#include "model/conversions.h"
#include "storage/text_lines.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace pigmentrix {
namespace {

constexpr std::string_view Header = "GIMP Palette";
constexpr std::string_view NameKey = "Name:";
constexpr std::string_view ColumnsKey = "Columns:";
constexpr int MaxColumns = 256;

// The next run of non-blanks; text keeps what follows it.
std::string_view TakeWord(std::string_view &text)
{
    text = TrimSpacesAndTabs(text);
    std::size_t end = 0;
    while (end < text.size() && !IsSpaceOrTab(text[end]))
        ++end;
    const std::string_view word = text.substr(0, end);
    text.remove_prefix(end);
    return word;
}

// Plain decimal digits in [0, max]: no sign, nothing after them.
std::optional<int> NumberUpTo(std::string_view text, int max)
{
    int value = 0;
    if (text.empty() || text.front() == '-' || text.front() == '+')
        return std::nullopt;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value > max)
        return std::nullopt;
    return value;
}

std::optional<Swatch> ColorLine(std::string_view text)
{
    int channels[3] = {};
    for (int &channel : channels) {
        const std::optional<int> value = NumberUpTo(TakeWord(text), 255);
        if (!value)
            return std::nullopt;
        channel = *value;
    }
    return Swatch{ComposeColor(channels[0], channels[1], channels[2]), std::string(TrimSpacesAndTabs(text))};
}

std::string LineNumber(std::size_t index)
{
    return "Line " + std::to_string(index + 1);
}

SwatchReadResult Refused(std::string error)
{
    return {std::nullopt, std::move(error)};
}

// A name written on one line, as a reader takes it back: no line breaks,
// no blanks at either end.
std::string OneLine(std::string_view name)
{
    std::string line(name);
    for (char &c : line) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return std::string(TrimSpacesAndTabs(line));
}

std::string Padded(int channel)
{
    std::string digits = std::to_string(channel);
    return std::string(3 - digits.size(), ' ') + digits;
}

} // namespace

SwatchReadResult ParseGimpPalette(std::string_view bytes)
{
    const std::vector<std::string> lines = SplitLines(DecodeTextFile(bytes));
    if (lines.empty() || TrimSpacesAndTabs(lines.front()) != Header)
        return Refused("The first line is not \"GIMP Palette\"");
    SwatchPalette palette;
    bool inHeader = true;
    for (std::size_t index = 1; index < lines.size(); ++index) {
        const std::string_view text = TrimSpacesAndTabs(lines[index]);
        if (text.empty() || text.front() == '#')
            continue;
        if (inHeader && text.starts_with(NameKey)) {
            palette.name = TrimSpacesAndTabs(text.substr(NameKey.size()));
            continue;
        }
        if (inHeader && text.starts_with(ColumnsKey)) {
            const std::optional<int> columns =
                NumberUpTo(TrimSpacesAndTabs(text.substr(ColumnsKey.size())), MaxColumns);
            if (!columns)
                return Refused(LineNumber(index) + " does not give a column count from 0 to "
                               + std::to_string(MaxColumns) + ": " + QuotedExcerpt(text));
            palette.columns = *columns;
            continue;
        }
        inHeader = false;
        std::optional<Swatch> swatch = ColorLine(text);
        if (!swatch)
            return Refused(LineNumber(index)
                           + " is not a color of three numbers from 0 to 255: " + QuotedExcerpt(text));
        palette.swatches.push_back(std::move(*swatch));
    }
    return {std::move(palette), {}};
}

std::string FormatGimpPalette(const SwatchPalette &palette)
{
    std::string text = std::string(Header) + "\n";
    text += std::string(NameKey) + " " + OneLine(palette.name) + "\n";
    text += std::string(ColumnsKey) + " " + std::to_string(std::clamp(palette.columns, 0, MaxColumns)) + "\n";
    text += "#\n";
    for (const Swatch &swatch : palette.swatches) {
        const TColor rgb = ColorToRGB(swatch.color);
        text += Padded(RedOf(rgb)) + " " + Padded(GreenOf(rgb)) + " " + Padded(BlueOf(rgb));
        const std::string name = OneLine(swatch.name);
        if (!name.empty())
            text += "\t" + name;
        text += "\n";
    }
    return text;
}

} // namespace pigmentrix
