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
#include <functional>
#include <istream>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace pigmentrix {
namespace {

constexpr std::string_view Usage = "Usage: pigmentrix-cli format NOTATION COLOR [--alpha A] [--lower]\n"
                                   "       pigmentrix-cli format --template TEMPLATE COLOR [--alpha A]\n"
                                   "       pigmentrix-cli parse NOTATION TEXT\n"
                                   "       pigmentrix-cli notations\n"
                                   "       pigmentrix-cli contrast FOREGROUND BACKGROUND\n"
                                   "       pigmentrix-cli name COLOR [--html]\n"
                                   "       pigmentrix-cli palette show FILE\n"
                                   "       pigmentrix-cli palette write FILE COLOR1 ... COLOR16\n"
                                   "       pigmentrix-cli palette convert IN OUT\n"
                                   "       pigmentrix-cli --help | -h\n"
                                   "       pigmentrix-cli --version\n"
                                   "\n"
                                   "A COLOR (also FOREGROUND and BACKGROUND) is any CSS colour: #F80, #FF8000,\n"
                                   "#FF8000CC, rebeccapurple, rgb(255 128 0 / 50%), oklch(0.73 0.19 53), ...\n"
                                   "Given as \"-\", the colours (or TEXTs) are read from standard input, one a\n"
                                   "line, and the results written one a line; a line that does not convert\n"
                                   "leaves its result line empty and is reported with its number, and the exit\n"
                                   "status is 1 when any line failed.\n"
                                   "NOTATION is a notation index from -1 (none) to 21, a notation's short name\n"
                                   "(css, css-oklch, html, ...) or its name (\"HTML Hex\"), in any letter case;\n"
                                   "\"notations\" lists them.\n"
                                   "format writes the colour's code as the picker shows it, with the colour's\n"
                                   "alpha or alpha A (0..255), in lower case with --lower. parse writes #RRGGBB\n"
                                   "of the colour a code gives, and the alpha read for the notations that carry\n"
                                   "one. A TEMPLATE is text with fields such as {r} {g} {b} {a} {hex} {h} {s}\n"
                                   "{l} {okl} {name}, each with an optional format as std::format takes it\n"
                                   "({r:02x}, {rf:.3f}); {{ and }} are braces. name writes the named colour\n"
                                   "closest to the colour and its #RRGGBB, from the HTML/CSS names only with\n"
                                   "--html.\n"
                                   "contrast writes the WCAG 2 contrast ratio of text in FOREGROUND over\n"
                                   "BACKGROUND and whether it meets AA and AAA for normal and large text; a\n"
                                   "translucent background is laid over white and a translucent foreground over\n"
                                   "the background, and a last line says so.\n"
                                   "palette show loads FILE as the picker does. Of a Pigmentrix palette (.plt) it\n"
                                   "writes the sixteen slots as #RRGGBB, one a line, loaded over the palette of a\n"
                                   "fresh start; of a GIMP palette (.gpl) or an Adobe swatch exchange file (.ase)\n"
                                   "every colour in the file, one a line as #RRGGBB, then a tab and the colour's\n"
                                   "name where it has one. palette write writes sixteen colours to FILE as\n"
                                   "a palette file. palette convert reads IN (.plt, .gpl or .ase) and writes OUT\n"
                                   "(.plt, .gpl, .ase, or .css for CSS custom properties), the formats told by the\n"
                                   "extensions; colour names go along where both formats have them, and a .plt\n"
                                   "takes the first sixteen colours over the palette of a fresh start.\n"
                                   "Any argument other than the options is an operand, even one that begins\n"
                                   "with a single \"-\" (-1); \"--\" makes every later argument an operand.\n";

constexpr std::string_view ConversionFailure = "Unable to convert color values.";

constexpr int ExitOk = 0;
constexpr int ExitConversionFailed = 1; // also a palette file that fails to load or save
constexpr int ExitBadArguments = 2;

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An operand or an input line that gives no colour; the message names it.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The picker's message, naming the colour at fault where one is known.
std::string FailureMessage(const ConversionError &error)
{
    return std::string(ConversionFailure.substr(0, ConversionFailure.size() - 1)) + ": " + error.what() + ".";
}

// The operand that stands for standard input.
constexpr std::string_view StandardInput = "-";

struct Arguments {
    std::vector<std::string> operands; // the subcommand first
    std::optional<int> alpha;
    std::optional<std::string> templateText;
    bool lowerCase = false;
    bool htmlOnly = false;
    bool help = false;
    bool version = false;
};

// Text the user gave, made safe to echo to a terminal: control characters
// are written as escapes.
std::string Escaped(std::string_view text)
{
    static constexpr std::string_view HexDigits = "0123456789ABCDEF";
    std::string escaped;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\t')
            escaped += "\\t";
        else if (c == '\n')
            escaped += "\\n";
        else if (c == '\r')
            escaped += "\\r";
        else if (byte < 0x20 || byte == 0x7F)
            escaped += std::string("\\x") + HexDigits[byte >> 4] + HexDigits[byte & 0xF];
        else
            escaped += c;
    }
    return escaped;
}

std::string Quoted(std::string_view text)
{
    return "'" + Escaped(text) + "'";
}

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
        } else if (arg == "--help" || arg == "-h") {
            scanned.help = true;
        } else if (arg == "--version") {
            scanned.version = true;
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
                throw UsageError("alpha " + Quoted(value) + " is not a number from 0 to 255");
        } else if (arg.starts_with("--")) {
            throw UsageError("unknown option " + Quoted(arg));
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

// An index, a short name or a notation's name, in any letter case.
int NotationOperand(const std::string &text)
{
    const std::string lower = AsciiLowerCase(text);
    for (std::size_t index = 0; index < NotationNames.size(); ++index) {
        if (lower == NotationShortNames[index] || lower == AsciiLowerCase(NotationNames[index]))
            return static_cast<int>(index);
    }
    const std::optional<int> index = DecimalInRange(text, notation::None, NotationCount - 1);
    if (!index)
        throw UsageError("notation " + Quoted(text) + " is not an index from -1 to 21 nor a notation name");
    return *index;
}

// Any CSS colour with its alpha.
TranslucentColor ColorOperand(std::string_view text)
{
    try {
        const CssColor css = ReadCssColor(text);
        return {css.color, css.alpha};
    } catch (const ConvertError &) {
        throw ConversionError(Quoted(text) + " is not a color");
    }
}

// One result of a command that converts a colour or a code.
using Conversion = std::function<std::string(std::string_view input)>;

// Runs convert on input, or on each line of standard input when input is
// "-", writing one result a line.
int RunConversion(std::string_view input, const Conversion &convert, std::istream &in, std::ostream &out,
                  std::ostream &err)
{
    // The result, or what the failure says.
    const auto attempt = [&convert](std::string_view text, std::string &result) {
        try {
            result = convert(text);
            return true;
        } catch (const ConversionError &error) {
            result = FailureMessage(error);
        } catch (const ConvertError &) {
            result = ConversionFailure;
        }
        return false;
    };
    std::string result;
    if (input != StandardInput) {
        const bool converted = attempt(input, result);
        (converted ? out : err) << result << '\n';
        return converted ? ExitOk : ExitConversionFailed;
    }
    int status = ExitOk;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.ends_with('\r'))
            line.pop_back();
        if (attempt(line, result)) {
            out << result << '\n';
            continue;
        }
        // The line keeps its place in the results, empty.
        out << '\n';
        err << "pigmentrix-cli: line " << number << ": " << result << '\n';
        status = ExitConversionFailed;
    }
    return status;
}

int RunFormat(const Arguments &args, std::istream &in, std::ostream &out, std::ostream &err)
{
    const std::optional<int> alpha = args.alpha;
    if (args.templateText) {
        if (args.templateText->empty())
            throw UsageError("the template is empty");
        std::optional<CodeTemplate> code;
        try {
            code.emplace(*args.templateText);
        } catch (const TemplateError &error) {
            throw UsageError(Escaped(error.what()));
        }
        return RunConversion(
            args.operands[1],
            [&](std::string_view text) {
                const TranslucentColor color = ColorOperand(text);
                return code->Render(color.color, alpha.value_or(color.alpha));
            },
            in, out, err);
    }
    const int index = NotationOperand(args.operands[1]);
    const bool upperCase = !args.lowerCase;
    return RunConversion(
        args.operands[2],
        [&](std::string_view text) {
            const TranslucentColor color = ColorOperand(text);
            return FormatColorCode(color.color, index, alpha.value_or(color.alpha), upperCase);
        },
        in, out, err);
}

int RunParse(const Arguments &args, std::istream &in, std::ostream &out, std::ostream &err)
{
    const int index = NotationOperand(args.operands[1]);
    if (index == notation::None)
        throw UsageError("parse needs a notation to read the code in; -1 is none");
    return RunConversion(
        args.operands[2],
        [index](std::string_view text) {
            const ParsedColorCode parsed = ParseColorCode(text, index);
            std::string result = ColorToHTML(parsed.color);
            if (parsed.alpha)
                result += ' ' + std::to_string(*parsed.alpha);
            return result;
        },
        in, out, err);
}

int RunNotations(const Arguments &, std::istream &, std::ostream &out, std::ostream &)
{
    for (std::size_t index = 0; index < NotationNames.size(); ++index)
        out << index << ' ' << NotationShortNames[index] << ' ' << NotationNames[index] << '\n';
    return ExitOk;
}

const char *Verdict(bool passes)
{
    return passes ? "pass" : "fail";
}

// The ratio, the four verdicts and, where an alpha entered the measure,
// what was measured; from standard input one such block a line read.
std::string ContrastReport(TranslucentColor foreground, TranslucentColor background)
{
    const double ratio = TextContrast(foreground, background);
    const ContrastVerdict verdict = JudgeContrast(ratio);
    std::string report = ContrastRatioText(ratio) + "\nAA normal text: " + Verdict(verdict.aaNormal)
                         + "\nAA large text: " + Verdict(verdict.aaLarge) + "\nAAA normal text: "
                         + Verdict(verdict.aaaNormal) + "\nAAA large text: " + Verdict(verdict.aaaLarge);
    const std::string note = ContrastNote(foreground.alpha, background.alpha);
    if (!note.empty())
        report += "\n" + note;
    return report;
}

int RunContrast(const Arguments &args, std::istream &in, std::ostream &out, std::ostream &err)
{
    const std::string &foreground = args.operands[1];
    const std::string &background = args.operands[2];
    if (foreground == StandardInput && background == StandardInput)
        throw UsageError("contrast reads one of its colours from standard input, not both");
    if (background == StandardInput) {
        return RunConversion(
            background,
            [&](std::string_view text) { return ContrastReport(ColorOperand(foreground), ColorOperand(text)); }, in,
            out, err);
    }
    return RunConversion(
        foreground, [&](std::string_view text) { return ContrastReport(ColorOperand(text), ColorOperand(background)); },
        in, out, err);
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
        throw UsageError("cannot tell the palette format of " + Quoted(file) + " from its extension ("
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

int RunPaletteShow(const Arguments &args, std::istream &, std::ostream &out, std::ostream &err)
{
    const std::filesystem::path file(args.operands[PaletteFileOperand]);
    // Any name but the other formats' reads as a Pigmentrix palette, as the picker reads it.
    const PaletteFormat format = PaletteFormatOfName(file).value_or(PaletteFormat::Pigmentrix);
    const SwatchReadResult loaded = LoadAnyPalette(file, format);
    if (!loaded.palette) {
        err << Escaped(AsReported(loaded.error)) << '\n';
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

int RunPaletteConvert(const Arguments &args, std::istream &, std::ostream &, std::ostream &err)
{
    const std::string &in = args.operands[PaletteFileOperand];
    const std::string &out = args.operands[PaletteFileOperand + 1];
    const PaletteFormat inFormat = FormatOperand(in, false);
    const PaletteFormat outFormat = FormatOperand(out, true);
    const SwatchReadResult loaded = LoadAnyPalette(in, inFormat);
    if (!loaded.palette) {
        err << Escaped(AsReported(loaded.error)) << '\n';
        return ExitConversionFailed;
    }
    if (const std::optional<std::string> error = SaveSwatchFile(out, outFormat, *loaded.palette)) {
        err << Escaped(AsReported(*error)) << '\n';
        return ExitConversionFailed;
    }
    const std::size_t count = loaded.palette->swatches.size();
    if (outFormat == PaletteFormat::Pigmentrix && count > PaletteSlotCount)
        err << "pigmentrix-cli: \"" << Escaped(in) << "\" has " << count << " colors; the first " << PaletteSlotCount
            << " were written and the other " << count - PaletteSlotCount << " left out.\n";
    return ExitOk;
}

int RunPaletteWrite(const Arguments &args, std::istream &, std::ostream &, std::ostream &err)
{
    Palette palette{};
    for (std::size_t slot = 0; slot < palette.size(); ++slot) {
        try {
            palette[slot] = ColorOperand(args.operands[PaletteFileOperand + 1 + slot]).color;
        } catch (const ConversionError &error) {
            err << FailureMessage(error) << '\n';
            return ExitConversionFailed;
        }
    }
    if (const std::optional<std::string> error =
            SavePaletteFile(std::filesystem::path(args.operands[PaletteFileOperand]), palette)) {
        err << Escaped(AsReported(*error)) << '\n';
        return ExitConversionFailed;
    }
    return ExitOk;
}

// Ties go to the name that sorts first, as "Find Closest Named Color" does
// in the list sorted by name.
int RunName(const Arguments &args, std::istream &in, std::ostream &out, std::ostream &err)
{
    const bool htmlOnly = args.htmlOnly;
    return RunConversion(
        args.operands[1],
        [htmlOnly](std::string_view text) {
            const std::optional<RColor> closest = ClosestNamedColor(ColorOperand(text).color, htmlOnly);
            if (!closest)
                throw ConversionError("no named color is near enough to " + Quoted(text));
            return NameToUtf8(closest->Name) + ' ' + ColorToHTML(closest->Value);
        },
        in, out, err);
}

struct Subcommand {
    // One word, or words separated by one space ("palette show").
    std::string_view name;
    std::size_t operandCount; // after the subcommand's name
    bool takesFormatOptions; // --alpha and --lower
    bool takesHtmlOption; // --html
    int (*run)(const Arguments &, std::istream &in, std::ostream &out, std::ostream &err);
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
        throw UsageError("unknown command " + Quoted(LeadingWords(args.operands, inGroup ? 2 : 1)));
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

int RunCli(const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err)
{
    try {
        const Arguments scanned = ScanArguments(args);
        if (scanned.help) {
            out << Usage;
            return ExitOk;
        }
        if (scanned.version) {
            out << "pigmentrix-cli " << PIGMENTRIX_CLI_VERSION << '\n';
            return ExitOk;
        }
        return FindSubcommand(scanned).run(scanned, in, out, err);
    } catch (const UsageError &error) {
        err << "pigmentrix-cli: " << error.what() << "\nTry 'pigmentrix-cli --help' for more information.\n";
        return ExitBadArguments;
    }
}

} // namespace pigmentrix
