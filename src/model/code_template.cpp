#include "model/code_template.h"

#include "model/color_codes.h"
#include "model/css_color_space.h"
#include "model/named_color_order.h"
#include "model/named_colors.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>

namespace pigmentrix {
namespace {

enum Field : int { R, G, B, A, Rf, Gf, Bf, Af, Hex, H, S, L, Sv, V, C, M, Y, K, Okl, Okc, Okh, Name };

// Whole numbers by default: the 8-bit channels, degrees and percentages. The
// OKLCH hue has the decimals of its lightness and chroma, which would lose
// the colour if it were whole.
bool IsWholeByDefault(int field)
{
    return field != Rf && field != Gf && field != Bf && field != Af && field != Okl && field != Okc && field != Okh;
}

bool IsText(int field)
{
    return field == Hex || field == Name;
}

int FieldIndex(std::string_view name)
{
    const auto found = std::find(std::begin(TemplateFieldNames), std::end(TemplateFieldNames), name);
    if (found == std::end(TemplateFieldNames))
        throw TemplateError("Unknown field '" + std::string(name) + "' in template");
    return static_cast<int>(found - std::begin(TemplateFieldNames));
}

bool IsAlign(char c)
{
    return c == '<' || c == '>' || c == '^';
}

bool ReadDigits(std::string_view &text, int &value)
{
    std::size_t n = 0;
    while (n < text.size() && text[n] >= '0' && text[n] <= '9')
        ++n;
    // Widths and precisions beyond this are mistakes, not layouts.
    if (n == 0 || n > 3)
        return false;
    std::from_chars(text.data(), text.data() + n, value);
    text.remove_prefix(n);
    return true;
}

CodeTemplate::FieldFormat ParseFieldFormat(std::string_view format, int field, std::string_view fieldName)
{
    const auto bad = [&] {
        return TemplateError("Bad format '" + std::string(format) + "' for field '" + std::string(fieldName) + "'");
    };
    CodeTemplate::FieldFormat parsed;
    std::string_view rest = format;
    if (rest.size() >= 2 && IsAlign(rest[1]) && rest[0] != '{' && rest[0] != '}') {
        parsed.fill = rest[0];
        parsed.align = rest[1];
        rest.remove_prefix(2);
    } else if (!rest.empty() && IsAlign(rest[0])) {
        parsed.align = rest[0];
        rest.remove_prefix(1);
    }
    if (!rest.empty() && rest[0] == '0') {
        parsed.zeroPad = true;
        rest.remove_prefix(1);
    }
    if (!rest.empty() && rest[0] >= '1' && rest[0] <= '9' && !ReadDigits(rest, parsed.width))
        throw bad();
    if (!rest.empty() && rest[0] == '.') {
        rest.remove_prefix(1);
        if (!ReadDigits(rest, parsed.precision))
            throw bad();
    }
    if (rest.size() == 1 && (rest[0] == 'd' || rest[0] == 'x' || rest[0] == 'X' || rest[0] == 'f')) {
        parsed.type = rest[0];
        rest.remove_prefix(1);
    }
    if (!rest.empty())
        throw bad();
    // As std::format has it: integers take no precision, texts no number type
    // and no zero padding.
    const bool integerType = parsed.type == 'd' || parsed.type == 'x' || parsed.type == 'X';
    if ((integerType && parsed.precision >= 0) || (IsText(field) && (parsed.type != 0 || parsed.zeroPad)))
        throw bad();
    return parsed;
}

struct FieldValues {
    std::array<double, Name + 1> number{};
    std::string hex;
    std::string name;
};

FieldValues ValuesOf(TColor color, int alpha, bool withName, bool upperCaseHex)
{
    FieldValues v;
    const int r = RedOf(color);
    const int g = GreenOf(color);
    const int b = BlueOf(color);
    const Triple srgb{r / 255.0, g / 255.0, b / 255.0};
    v.number[R] = r;
    v.number[G] = g;
    v.number[B] = b;
    v.number[A] = alpha;
    v.number[Rf] = srgb[0];
    v.number[Gf] = srgb[1];
    v.number[Bf] = srgb[2];
    v.number[Af] = alpha / 255.0;
    const Triple hsl = SrgbToHsl(srgb);
    v.number[H] = hsl[0];
    v.number[S] = hsl[1];
    v.number[L] = hsl[2];
    const double max = std::max({srgb[0], srgb[1], srgb[2]});
    const double min = std::min({srgb[0], srgb[1], srgb[2]});
    v.number[V] = max * 100;
    v.number[Sv] = max == 0 ? 0 : (max - min) / max * 100;
    const double black = 1 - max;
    for (const int i : {0, 1, 2})
        v.number[C + i] = black == 1 ? 0 : (1 - srgb[static_cast<std::size_t>(i)] - black) / (1 - black) * 100;
    v.number[K] = black * 100;
    const Triple oklch = RectangularToPolar(SrgbToOklab(srgb));
    v.number[Okl] = oklch[0];
    v.number[Okc] = oklch[1];
    v.number[Okh] = oklch[1] < 0.00005 ? 0 : oklch[2];
    v.hex = FormatColorCode(color, notation::Photoshop, 255, upperCaseHex);
    // The closest name is a search of the whole table: only when asked for.
    if (const std::optional<RColor> closest = withName ? ClosestNamedColor(color, false) : std::nullopt)
        v.name = NameToUtf8(closest->Name);
    return v;
}

std::string FixedText(double value, int decimals, bool dropTrailingZeros)
{
    std::array<char, 400> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals);
    std::string text(buffer.data(), result.ptr);
    if (dropTrailingZeros && text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
    }
    if (text == "-0")
        text = "0";
    return text;
}

std::string NumberText(double value, int field, const CodeTemplate::FieldFormat &format)
{
    if (format.type == 'd' || format.type == 'x' || format.type == 'X'
        || (format.type == 0 && format.precision < 0 && IsWholeByDefault(field))) {
        const auto whole = static_cast<long long>(std::floor(value + 0.5));
        std::array<char, 24> buffer{};
        const int base = format.type == 'x' || format.type == 'X' ? 16 : 10;
        const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), whole, base);
        std::string text(buffer.data(), result.ptr);
        if (format.type == 'X')
            text = AsciiUpperCase(text);
        return text;
    }
    if (format.precision < 0 && format.type == 0)
        return FixedText(value, 4, true);
    return FixedText(value, format.precision < 0 ? 6 : format.precision, false);
}

void AppendAligned(std::string &out, std::string text, const CodeTemplate::FieldFormat &format, bool isNumber)
{
    if (!isNumber && format.precision >= 0 && static_cast<int>(text.size()) > format.precision)
        text.resize(static_cast<std::size_t>(format.precision));
    const int padding = std::max(0, format.width - static_cast<int>(text.size()));
    if (padding == 0) {
        out += text;
        return;
    }
    if (format.zeroPad && format.align == 0) {
        const std::size_t signLength = !text.empty() && text[0] == '-' ? 1 : 0;
        text.insert(signLength, static_cast<std::size_t>(padding), '0');
        out += text;
        return;
    }
    const char align = format.align != 0 ? format.align : (isNumber ? '>' : '<');
    const int before = align == '>' ? padding : align == '^' ? padding / 2 : 0;
    out.append(static_cast<std::size_t>(before), format.fill);
    out += text;
    out.append(static_cast<std::size_t>(padding - before), format.fill);
}

} // namespace

CodeTemplate::CodeTemplate(std::string_view text)
{
    Part part;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if ((c == '{' || c == '}') && i + 1 < text.size() && text[i + 1] == c) {
            part.literal += c;
            ++i;
        } else if (c == '}') {
            throw TemplateError("Single '}' in template; write '}}' for a brace");
        } else if (c == '{') {
            const std::size_t close = text.find('}', i + 1);
            if (close == std::string_view::npos)
                throw TemplateError("Unclosed '{' in template; write '{{' for a brace");
            const std::string_view inside = text.substr(i + 1, close - i - 1);
            const std::size_t colon = inside.find(':');
            const std::string_view name = inside.substr(0, colon);
            part.field = FieldIndex(name);
            if (colon != std::string_view::npos)
                part.format = ParseFieldFormat(inside.substr(colon + 1), part.field, name);
            parts_.push_back(std::move(part));
            part = Part{};
            i = close;
        } else {
            part.literal += c;
        }
    }
    if (!part.literal.empty())
        parts_.push_back(std::move(part));
}

std::string CodeTemplate::Render(TColor color, int alpha, bool upperCaseHex) const
{
    const bool withName =
        std::any_of(parts_.begin(), parts_.end(), [](const Part &part) { return part.field == Name; });
    const FieldValues values = ValuesOf(color, alpha, withName, upperCaseHex);
    std::string out;
    for (const Part &part : parts_) {
        out += part.literal;
        if (part.field < 0)
            continue;
        if (part.field == Hex || part.field == Name)
            AppendAligned(out, part.field == Hex ? values.hex : values.name, part.format, false);
        else
            AppendAligned(out, NumberText(values.number[static_cast<std::size_t>(part.field)], part.field, part.format),
                          part.format, true);
    }
    return out;
}

} // namespace pigmentrix
