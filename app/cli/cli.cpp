#include "cli/cli.h"

#include "model/code_template.h"
#include "model/color_codes.h"
#include "model/contrast.h"
#include "model/conversions.h"
#include "model/css_color.h"
#include "model/integer_text.h"
#include "model/named_color_order.h"
#include "storage/palette_file.h"
#include "storage/palette_formats.h"
#include "storage/palette_slots.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <filesystem>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace pigmentrix {
namespace {

constexpr std::string_view Usage = "Usage: pigmentrix-cli format NOTATION #RRGGBB [--alpha A] [--lower]\n"
                                   "       pigmentrix-cli format --template TEMPLATE #RRGGBB [--alpha A]\n"
                                   "       pigmentrix-cli parse NOTATION TEXT\n"
                                   "       pigmentrix-cli notations\n"
                                   "       pigmentrix-cli contrast FOREGROUND BACKGROUND\n"
                                   "       pigmentrix-cli name #RRGGBB [--html]\n"
                                   "       pigmentrix-cli palette show FILE\n"
                                   "       pigmentrix-cli palette write FILE COLOR1 ... COLOR16\n"
                                   "       pigmentrix-cli palette convert IN OUT\n"
                                   "       pigmentrix-cli --help\n"
                                   "\n"
                                   "NOTATION is a notation index from -1 (none) to 21 or a notation's short name\n"
                                   "(css, css-oklch, html, ...); \"notations\" lists both.\n"
                                   "format writes the colour's code as the picker shows it, with alpha A (0..255,\n"
                                   "default 255), in lower case with --lower. parse writes #RRGGBB of the colour a\n"
                                   "code gives, and the alpha read for the notations that carry one. A TEMPLATE is\n"
                                   "text with fields such as {r} {g} {b} {a} {hex} {h} {s} {l} {okl} {name},\n"
                                   "each with an optional format as std::format takes it ({r:02x}, {rf:.3f});\n"
                                   "{{ and }} are braces. name writes\n"
                                   "the named colour closest to the colour and its #RRGGBB, from the HTML/CSS\n"
                                   "names only with --html.\n"
                                   "contrast writes the WCAG 2 contrast ratio of two CSS colours and whether it\n"
                                   "meets AA and AAA for normal and large text; a translucent foreground is laid\n"
                                   "over the background.\n"
                                   "palette show loads FILE as the picker does. Of a Pigmentrix palette (.plt) it\n"
                                   "writes the sixteen slots as #RRGGBB, one a line, loaded over the palette of a\n"
                                   "fresh start; of a GIMP palette (.gpl) or an Adobe swatch exchange file (.ase)\n"
                                   "every colour in the file, one a line as #RRGGBB, then a tab and the colour's\n"
                                   "name where it has one. palette write writes sixteen #RRGGBB colours to FILE as\n"
                                   "a palette file. palette convert reads IN (.plt, .gpl or .ase) and writes OUT\n"
                                   "(.plt, .gpl, .ase, or .css for CSS custom properties), the formats told by the\n"
                                   "extensions; colour names go along where both formats have them, and a .plt\n"
                                   "takes the first sixteen colours over the palette of a fresh start.\n"
                                   "Any argument other than the options is an operand, even one that begins\n"
                                   "with \"-\"; \"--\" makes every later argument an operand.\n";

constexpr std::string_view ConversionFailure = "Unable to convert color values.";

constexpr int ExitOk = 0;
constexpr int ExitConversionFailed = 1; // also a palette file that fails to load or save
constexpr int ExitBadArguments = 2;

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Arguments {
    std::vector<std::string> operands; // the subcommand first
    std::optional<int> alpha;
    std::optional<std::string> templateText;
    bool lowerCase = false;
    bool htmlOnly = false;
    bool help = false;
};

// Strict decimal in [min, max]: no blanks, no plus sign, nothing after.
std::optional<int> DecimalInRange(std::string_view text, int min, int max)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < min || value > max)
        return std::nullopt;
    return value;
}

Arguments ScanArguments(const std::vector<std::string> &args)
{
    Arguments scanned;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (optionsEnded) {
            scanned.operands.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help") {
            scanned.help = true;
        } else if (arg == "--lower") {
            scanned.lowerCase = true;
        } else if (arg == "--html") {
            scanned.htmlOnly = true;
        } else if (arg == "--template") {
            if (i + 1 == args.size())
                throw UsageError("--template needs a value");
            scanned.templateText = args[++i];
        } else if (arg == "--alpha") {
            if (i + 1 == args.size())
                throw UsageError("--alpha needs a value");
            const std::string &value = args[++i];
            scanned.alpha = value.starts_with('-') ? std::nullopt : DecimalInRange(value, 0, 255);
            if (!scanned.alpha)
                throw UsageError("alpha '" + value + "' is not a number from 0 to 255");
        } else {
            scanned.operands.push_back(arg);
        }
    }
    return scanned;
}

// The notations' short names, by index, for scripts that would rather not
// count.
constexpr std::array<std::string_view, NotationCount> NotationShortNames = {
    "html",    "delphi",  "vb",        "cpp",          "rgb",       "rgb-percent", "hsl",    "hsv",
    "cmy",     "cmyk",    "photoshop", "powerbuilder", "android",   "css-rgba",    "rgb565", "css",
    "css-hsl", "css-hwb", "css-lab",   "css-lch",      "css-oklab", "css-oklch",
};

int NotationOperand(const std::string &text)
{
    const auto named = std::find(NotationShortNames.begin(), NotationShortNames.end(), text);
    if (named != NotationShortNames.end())
        return static_cast<int>(named - NotationShortNames.begin());
    const std::optional<int> index = DecimalInRange(text, notation::None, NotationCount - 1);
    if (!index)
        throw UsageError("notation '" + text + "' is not an index from -1 to 21 nor a notation name");
    return *index;
}

// "#RRGGBB", red first.
TColor ColorOperand(const std::string &text)
{
    const bool wellFormed = text.size() == 7 && text[0] == '#' && std::all_of(text.begin() + 1, text.end(), [](char c) {
                                return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
                            });
    if (!wellFormed)
        throw UsageError("colour '" + text + "' is not of the form #RRGGBB");
    int rgb = 0;
    TryHexDigitsToInt(std::string_view(text).substr(1), rgb);
    return ComposeColor(rgb >> 16, rgb >> 8, rgb);
}

int RunFormat(const Arguments &args, std::ostream &out, std::ostream &)
{
    if (args.templateText) {
        const TColor color = ColorOperand(args.operands[1]);
        try {
            out << CodeTemplate(*args.templateText).Render(color, args.alpha.value_or(255)) << '\n';
        } catch (const TemplateError &error) {
            throw UsageError(error.what());
        }
        return ExitOk;
    }
    const int index = NotationOperand(args.operands[1]);
    const TColor color = ColorOperand(args.operands[2]);
    out << FormatColorCode(color, index, args.alpha.value_or(255), !args.lowerCase) << '\n';
    return ExitOk;
}

int RunParse(const Arguments &args, std::ostream &out, std::ostream &err)
{
    const int index = NotationOperand(args.operands[1]);
    try {
        const ParsedColorCode parsed = ParseColorCode(args.operands[2], index);
        out << ColorToHTML(parsed.color);
        if (parsed.alpha)
            out << ' ' << *parsed.alpha;
        out << '\n';
        return ExitOk;
    } catch (const ConvertError &) {
        err << ConversionFailure << '\n';
        return ExitConversionFailed;
    }
}

int RunNotations(const Arguments &, std::ostream &out, std::ostream &)
{
    for (std::size_t index = 0; index < NotationNames.size(); ++index)
        out << index << ' ' << NotationShortNames[index] << ' ' << NotationNames[index] << '\n';
    return ExitOk;
}

const char *Verdict(bool passes)
{
    return passes ? "pass" : "fail";
}

int RunContrast(const Arguments &args, std::ostream &out, std::ostream &err)
{
    try {
        const CssColor foreground = ReadCssColor(args.operands[1]);
        const TColor background = ReadCssColor(args.operands[2]).color;
        const double ratio = ContrastRatio(BlendOver(foreground.color, foreground.alpha, background), background);
        const ContrastVerdict verdict = JudgeContrast(ratio);
        out << ContrastRatioText(ratio) << '\n'
            << "AA normal text: " << Verdict(verdict.aaNormal) << '\n'
            << "AA large text: " << Verdict(verdict.aaLarge) << '\n'
            << "AAA normal text: " << Verdict(verdict.aaaNormal) << '\n'
            << "AAA large text: " << Verdict(verdict.aaaLarge) << '\n';
        return ExitOk;
    } catch (const ConvertError &) {
        err << ConversionFailure << '\n';
        return ExitConversionFailed;
    }
}

// The picker reports an error as its message ended by a full stop.
std::string AsReported(const std::string &message)
{
    return message.ends_with('.') ? message : message + '.';
}

// Operands of the palette commands, after "palette show", "palette write" or
// "palette convert".
constexpr std::size_t PaletteFileOperand = 2;

// The format of a palette file named as an operand; the error says which
// extensions would do.
PaletteFormat FormatOperand(const std::string &file, bool written)
{
    const std::optional<PaletteFormat> format = PaletteFormatOfName(file);
    if (!format || (!written && *format == PaletteFormat::CssProperties))
        throw UsageError("cannot tell the palette format of '" + file + "' from its extension ("
                         + (written ? ".plt, .gpl, .ase or .css" : ".plt, .gpl or .ase") + ")");
    return *format;
}

// Any palette file as a list of colours: a Pigmentrix palette gives its
// sixteen slots, loaded over those of a fresh start, without names.
SwatchReadResult LoadAnyPalette(const std::filesystem::path &file, PaletteFormat format)
{
    if (HoldsSwatches(format))
        return LoadSwatchFile(file, format);
    const PaletteLoadResult loaded = LoadPaletteFile(file, DesignPalette);
    if (!loaded.palette)
        return {std::nullopt, loaded.error};
    SwatchPalette palette;
    for (TColor color : *loaded.palette)
        palette.swatches.push_back({color, {}});
    return {std::move(palette), {}};
}

int RunPaletteShow(const Arguments &args, std::ostream &out, std::ostream &err)
{
    const std::filesystem::path file(args.operands[PaletteFileOperand]);
    // Any name but the other formats' reads as a Pigmentrix palette, as the picker reads it.
    const PaletteFormat format = PaletteFormatOfName(file).value_or(PaletteFormat::Pigmentrix);
    const SwatchReadResult loaded = LoadAnyPalette(file, format);
    if (!loaded.palette) {
        err << AsReported(loaded.error) << '\n';
        return ExitConversionFailed;
    }
    for (const Swatch &swatch : loaded.palette->swatches) {
        out << ColorToHTML(ColorToRGB(swatch.color));
        if (!swatch.name.empty())
            out << '\t' << swatch.name;
        out << '\n';
    }
    return ExitOk;
}

int RunPaletteConvert(const Arguments &args, std::ostream &, std::ostream &err)
{
    const std::string &in = args.operands[PaletteFileOperand];
    const std::string &out = args.operands[PaletteFileOperand + 1];
    const PaletteFormat inFormat = FormatOperand(in, false);
    const PaletteFormat outFormat = FormatOperand(out, true);
    const SwatchReadResult loaded = LoadAnyPalette(in, inFormat);
    if (!loaded.palette) {
        err << AsReported(loaded.error) << '\n';
        return ExitConversionFailed;
    }
    if (const std::optional<std::string> error = SaveSwatchFile(out, outFormat, *loaded.palette)) {
        err << AsReported(*error) << '\n';
        return ExitConversionFailed;
    }
    const std::size_t count = loaded.palette->swatches.size();
    if (outFormat == PaletteFormat::Pigmentrix && count > PaletteSlotCount)
        err << "pigmentrix-cli: \"" << in << "\" has " << count << " colors; the first " << PaletteSlotCount
            << " were written and the other " << count - PaletteSlotCount << " left out.\n";
    return ExitOk;
}

int RunPaletteWrite(const Arguments &args, std::ostream &, std::ostream &err)
{
    Palette palette{};
    for (std::size_t slot = 0; slot < palette.size(); ++slot)
        palette[slot] = ColorOperand(args.operands[PaletteFileOperand + 1 + slot]);
    if (const std::optional<std::string> error =
            SavePaletteFile(std::filesystem::path(args.operands[PaletteFileOperand]), palette)) {
        err << AsReported(*error) << '\n';
        return ExitConversionFailed;
    }
    return ExitOk;
}

// Ties go to the name that sorts first, as "Find Closest Named Color" does
// in the list sorted by name.
int RunName(const Arguments &args, std::ostream &out, std::ostream &err)
{
    const TColor color = ColorOperand(args.operands[1]);
    const std::optional<RColor> closest = ClosestNamedColor(color, args.htmlOnly);
    if (!closest) {
        err << "No named color is near enough.\n";
        return ExitConversionFailed;
    }
    out << NameToUtf8(closest->Name) << ' ' << ColorToHTML(closest->Value) << '\n';
    return ExitOk;
}

struct Subcommand {
    // One word, or words separated by one space ("palette show").
    std::string_view name;
    std::size_t operandCount; // after the subcommand's name
    bool takesFormatOptions; // --alpha and --lower
    bool takesHtmlOption; // --html
    int (*run)(const Arguments &, std::ostream &out, std::ostream &err);
};

// Each subcommand is one row; its name and operands must also appear in Usage.
constexpr std::array Subcommands = {
    Subcommand{"format", 2, true, false, &RunFormat},
    Subcommand{"parse", 2, false, false, &RunParse},
    Subcommand{"notations", 0, false, false, &RunNotations},
    Subcommand{"contrast", 2, false, false, &RunContrast},
    Subcommand{"name", 1, false, true, &RunName},
    Subcommand{"palette show", 1, false, false, &RunPaletteShow},
    Subcommand{"palette write", 1 + PaletteSlotCount, false, false, &RunPaletteWrite},
    Subcommand{"palette convert", 2, false, false, &RunPaletteConvert},
};

std::size_t WordCount(std::string_view name)
{
    return static_cast<std::size_t>(std::count(name.begin(), name.end(), ' ')) + 1;
}

// The operands' first words joined as a subcommand's name would be.
std::string LeadingWords(const std::vector<std::string> &operands, std::size_t count)
{
    std::string words;
    for (std::size_t i = 0; i < count && i < operands.size(); ++i)
        words += (i == 0 ? "" : " ") + operands[i];
    return words;
}

const Subcommand &FindSubcommand(const Arguments &args)
{
    if (args.operands.empty())
        throw UsageError("no command given");
    const auto found = std::find_if(Subcommands.begin(), Subcommands.end(), [&](const Subcommand &subcommand) {
        return LeadingWords(args.operands, WordCount(subcommand.name)) == subcommand.name;
    });
    if (found == Subcommands.end()) {
        const std::string group = args.operands.front() + " ";
        const bool inGroup = std::any_of(Subcommands.begin(), Subcommands.end(), [&](const Subcommand &subcommand) {
            return subcommand.name.starts_with(group);
        });
        throw UsageError("unknown command '" + LeadingWords(args.operands, inGroup ? 2 : 1) + "'");
    }
    // A template takes the place of the notation.
    const bool templated = args.templateText && found->run == &RunFormat;
    const std::string name = templated ? "format --template" : std::string(found->name);
    const std::size_t operandCount = templated ? 1 : found->operandCount;
    if (args.operands.size() != operandCount + WordCount(found->name))
        throw UsageError(name + " takes " + std::to_string(operandCount) + " operand" + (operandCount == 1 ? "" : "s"));
    if (args.templateText && !templated)
        throw UsageError("--template applies to format only");
    if (templated && args.lowerCase)
        throw UsageError("--lower does not apply to a template");
    if (!found->takesFormatOptions && (args.alpha || args.lowerCase))
        throw UsageError("--alpha and --lower apply to format only");
    if (!found->takesHtmlOption && args.htmlOnly)
        throw UsageError("--html applies to name only");
    return *found;
}

} // namespace

int RunCli(const std::vector<std::string> &args, std::ostream &out, std::ostream &err)
{
    try {
        const Arguments scanned = ScanArguments(args);
        if (scanned.help) {
            out << Usage;
            return ExitOk;
        }
        return FindSubcommand(scanned).run(scanned, out, err);
    } catch (const UsageError &error) {
        err << "pigmentrix-cli: " << error.what() << "\nTry 'pigmentrix-cli --help' for more information.\n";
        return ExitBadArguments;
    }
}

} // namespace pigmentrix
