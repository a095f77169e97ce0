// Reads a CSS colour the way a browser's CSS Color 4 parser does: the
// function forms with their legacy comma syntax where CSS allows it, the
// clamping CSS applies at parse time, and gamut mapping into sRGB for the
// colours that lie outside it.
#include "model/css_color.h"
#include "model/css_color_space.h"
#include "model/css_named_colors.h"
#include "model/gamut_mapping.h"
#include "model/integer_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <numbers>
#include <span>
#include <string>

namespace pigmentrix {
namespace {

[[noreturn]] void Fail(const std::string &message)
{
    throw ConvertError(message);
}

bool IsCssSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsIdentChar(char c)
{
    return (c >= 'a' && c <= 'z') || IsDigit(c) || c == '-' || c == '_';
}

std::string_view TrimCssSpace(std::string_view text)
{
    while (!text.empty() && IsCssSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsCssSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// Far beyond any colour and small enough that no conversion of it overflows.
constexpr double NumberLimit = 1e15;

enum class Kind { Number, Percentage, Dimension, Ident, Comma, Slash };

struct Token {
    Kind kind = Kind::Comma;
    double value = 0;
    std::string_view name; // an identifier, or a dimension's unit
};

// Where the CSS number starting at i ends, or i when none starts there.
std::size_t NumberEnd(std::string_view s, std::size_t i)
{
    std::size_t j = i;
    if (j < s.size() && (s[j] == '+' || s[j] == '-'))
        ++j;
    const std::size_t digitsStart = j;
    while (j < s.size() && IsDigit(s[j]))
        ++j;
    bool anyDigit = j > digitsStart;
    if (j + 1 < s.size() && s[j] == '.' && IsDigit(s[j + 1])) {
        j += 2;
        while (j < s.size() && IsDigit(s[j]))
            ++j;
        anyDigit = true;
    }
    if (!anyDigit)
        return i;
    if (j < s.size() && s[j] == 'e') {
        std::size_t k = j + 1;
        if (k < s.size() && (s[k] == '+' || s[k] == '-'))
            ++k;
        if (k < s.size() && IsDigit(s[k])) {
            while (k < s.size() && IsDigit(s[k]))
                ++k;
            j = k;
        }
    }
    return j;
}

double NumberValue(std::string_view number)
{
    if (number.front() == '+')
        number.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too small to hold is zero, too large is as large as a colour can use.
        const std::size_t exponent = number.find('e');
        const bool tiny = exponent != std::string_view::npos && number[exponent + 1] == '-';
        value = tiny ? 0 : (number.front() == '-' ? -NumberLimit : NumberLimit);
    } else if (error != std::errc() || end != number.data() + number.size()) {
        Fail("'" + std::string(number) + "' is not a number");
    }
    return std::clamp(value, -NumberLimit, NumberLimit);
}

// The arguments of a colour function, split into tokens; more than a colour
// function takes is refused.
class Tokens {
public:
    explicit Tokens(std::string_view text)
    {
        std::size_t i = 0;
        while (i < text.size()) {
            const char c = text[i];
            if (IsCssSpace(c)) {
                ++i;
            } else if (c == ',' || c == '/') {
                Add({c == ',' ? Kind::Comma : Kind::Slash, 0, {}});
                ++i;
            } else if (const std::size_t end = NumberEnd(text, i); end != i) {
                Token token{Kind::Number, NumberValue(text.substr(i, end - i)), {}};
                i = end;
                if (i < text.size() && text[i] == '%') {
                    token.kind = Kind::Percentage;
                    ++i;
                } else if (i < text.size() && IsIdentChar(text[i]) && !IsDigit(text[i])) {
                    const std::size_t unitStart = i;
                    while (i < text.size() && IsIdentChar(text[i]))
                        ++i;
                    token.kind = Kind::Dimension;
                    token.name = text.substr(unitStart, i - unitStart);
                }
                Add(token);
            } else if (IsIdentChar(c) && !IsDigit(c)) {
                const std::size_t start = i;
                while (i < text.size() && IsIdentChar(text[i]))
                    ++i;
                const std::string_view name = text.substr(start, i - start);
                if (i < text.size() && text[i] == '(')
                    Fail(std::string(name) + "() is not supported inside a colour");
                Add({Kind::Ident, 0, name});
            } else {
                Fail(std::string("unexpected '") + c + "'");
            }
        }
    }

    std::span<const Token> all() const { return std::span(tokens_).first(count_); }

private:
    void Add(const Token &token)
    {
        if (count_ == tokens_.size())
            Fail("too many values");
        tokens_[count_++] = token;
    }

    std::array<Token, 10> tokens_{};
    std::size_t count_ = 0;
};

// A colour function's components and alpha, whichever syntax wrote them.
struct Arguments {
    std::array<Token, 4> components{};
    std::size_t count = 0;
    const Token *alpha = nullptr;
    bool legacy = false;
};

// Modern syntax: components separated by blanks, then "/" and the alpha.
// Legacy syntax: components and an optional alpha separated by commas.
Arguments SplitArguments(std::span<const Token> tokens, std::size_t components, bool legacyAllowed)
{
    Arguments args;
    const bool legacy = tokens.size() > 1 && tokens[1].kind == Kind::Comma;
    if (legacy) {
        if (!legacyAllowed)
            Fail("commas are not allowed here");
        args.legacy = true;
        for (std::size_t i = 0; i < tokens.size(); ++i) {
            const bool separator = i % 2 == 1;
            if ((tokens[i].kind == Kind::Comma) != separator)
                Fail("values must be separated by single commas");
        }
        const std::size_t values = (tokens.size() + 1) / 2;
        if (tokens.size() % 2 == 0 || (values != components && values != components + 1))
            Fail("wrong number of values");
        for (std::size_t i = 0; i < components; ++i)
            args.components[i] = tokens[2 * i];
        args.count = components;
        if (values == components + 1)
            args.alpha = &tokens[2 * components];
        return args;
    }
    std::size_t i = 0;
    for (; i < tokens.size() && tokens[i].kind != Kind::Slash; ++i) {
        if (tokens[i].kind == Kind::Comma || args.count == components)
            Fail("wrong number of values");
        args.components[args.count++] = tokens[i];
    }
    if (args.count != components)
        Fail("wrong number of values");
    if (i < tokens.size()) {
        if (i + 2 != tokens.size())
            Fail("one alpha value must follow '/'");
        args.alpha = &tokens[i + 1];
    }
    return args;
}

bool IsNone(const Token &token)
{
    return token.kind == Kind::Ident && token.name == "none";
}

[[noreturn]] void FailValue(const Token &token)
{
    if (token.kind == Kind::Ident && token.name == "from")
        Fail("relative colours are not supported");
    Fail(token.kind == Kind::Ident ? "'" + std::string(token.name) + "' is not allowed here"
                                   : std::string("a value of the wrong type"));
}

// A number, or a percentage of hundredPercent; "none" is 0 outside the
// legacy syntax.
double Component(const Token &token, double hundredPercent, const Arguments &args)
{
    if (token.kind == Kind::Number)
        return token.value;
    if (token.kind == Kind::Percentage)
        return token.value * hundredPercent / 100;
    if (IsNone(token) && !args.legacy)
        return 0;
    FailValue(token);
}

double Hue(const Token &token, const Arguments &args)
{
    if (token.kind == Kind::Dimension) {
        if (token.name == "deg")
            return token.value;
        if (token.name == "grad")
            return token.value * 0.9;
        if (token.name == "rad")
            return token.value * 180 / std::numbers::pi;
        if (token.name == "turn")
            return token.value * 360;
        Fail("'" + std::string(token.name) + "' is not an angle unit");
    }
    if (token.kind == Kind::Percentage)
        FailValue(token);
    return Component(token, 0, args);
}

int RoundHalfUp(double value)
{
    return static_cast<int>(std::floor(value + 0.5));
}

int AlphaOf(const Arguments &args)
{
    if (args.alpha == nullptr)
        return 255;
    return RoundHalfUp(std::clamp(Component(*args.alpha, 1, args), 0.0, 1.0) * 255);
}

CssColor FromSrgb(const Triple &srgb, int alpha)
{
    return {ToSrgbColor(srgb), alpha};
}

CssColor ReadRgb(std::span<const Token> tokens)
{
    const Arguments args = SplitArguments(tokens, 3, true);
    // The legacy syntax takes three numbers or three percentages, not a mix.
    if (args.legacy
        && (args.components[0].kind != args.components[1].kind || args.components[0].kind != args.components[2].kind))
        Fail("numbers and percentages are mixed");
    std::array<int, 3> channels{};
    for (std::size_t i = 0; i < 3; ++i)
        channels[i] = RoundHalfUp(std::clamp(Component(args.components[i], 255, args), 0.0, 255.0));
    return {ComposeColor(channels[0], channels[1], channels[2]), AlphaOf(args)};
}

// The percentage components of hsl() and hwb(): the legacy syntax takes
// percentages only.
double PercentComponent(const Token &token, const Arguments &args)
{
    if (args.legacy && token.kind != Kind::Percentage)
        FailValue(token);
    return Component(token, 100, args);
}

CssColor ReadHsl(std::span<const Token> tokens)
{
    const Arguments args = SplitArguments(tokens, 3, true);
    const double hue = Hue(args.components[0], args);
    const double saturation = std::max(0.0, PercentComponent(args.components[1], args));
    const double lightness = PercentComponent(args.components[2], args);
    return FromSrgb(HslToSrgb({hue, saturation, lightness}), AlphaOf(args));
}

CssColor ReadHwb(std::span<const Token> tokens)
{
    const Arguments args = SplitArguments(tokens, 3, false);
    const double hue = Hue(args.components[0], args);
    return FromSrgb(
        HwbToSrgb({hue, PercentComponent(args.components[1], args), PercentComponent(args.components[2], args)}),
        AlphaOf(args));
}

// What lab() and lch(), or oklab() and oklch(), take: the lightness of white,
// and what 100% of chroma and of a or b stand for.
struct LabScale {
    double lightness;
    double chroma;
    double axis;
};

constexpr LabScale CieLabScale{100, 150, 125};
constexpr LabScale OkLabScale{1, 0.4, 0.4};

// Rectangular a and b, from chroma and hue when polar; CSS clamps the
// lightness to its range and the chroma at 0.
Triple LabComponents(const Arguments &args, bool polar, const LabScale &scale)
{
    const double lightness = std::clamp(Component(args.components[0], scale.lightness, args), 0.0, scale.lightness);
    if (polar) {
        const double chroma = std::max(0.0, Component(args.components[1], scale.chroma, args));
        return PolarToRectangular({lightness, chroma, Hue(args.components[2], args)});
    }
    return {lightness, Component(args.components[1], scale.axis, args),
            Component(args.components[2], scale.axis, args)};
}

CssColor ReadLab(std::span<const Token> tokens, bool polar)
{
    const Arguments args = SplitArguments(tokens, 3, false);
    return FromSrgb(LabToSrgb(LabComponents(args, polar, CieLabScale)), AlphaOf(args));
}

CssColor ReadOklab(std::span<const Token> tokens, bool polar)
{
    const Arguments args = SplitArguments(tokens, 3, false);
    return {OklabToSrgbColor(LabComponents(args, polar, OkLabScale)), AlphaOf(args)};
}

struct SpaceName {
    std::string_view name;
    PredefinedSpace space;
};

constexpr std::array<SpaceName, 9> SpaceNames = {{
    {"srgb", PredefinedSpace::Srgb},
    {"srgb-linear", PredefinedSpace::SrgbLinear},
    {"display-p3", PredefinedSpace::DisplayP3},
    {"a98-rgb", PredefinedSpace::A98Rgb},
    {"prophoto-rgb", PredefinedSpace::ProphotoRgb},
    {"rec2020", PredefinedSpace::Rec2020},
    {"xyz", PredefinedSpace::XyzD65},
    {"xyz-d50", PredefinedSpace::XyzD50},
    {"xyz-d65", PredefinedSpace::XyzD65},
}};

CssColor ReadColorFunction(std::span<const Token> tokens)
{
    if (tokens.empty() || tokens[0].kind != Kind::Ident)
        Fail("color() needs a colour space");
    const auto found = std::find_if(SpaceNames.begin(), SpaceNames.end(),
                                    [&](const SpaceName &entry) { return entry.name == tokens[0].name; });
    if (found == SpaceNames.end())
        FailValue(tokens[0]);
    const Arguments args = SplitArguments(tokens.subspan(1), 3, false);
    Triple components{};
    for (std::size_t i = 0; i < 3; ++i)
        components[i] = Component(args.components[i], 1, args);
    // sRGB is taken as it stands, so color(srgb 0.5 0.5 0.5) is exactly
    // rgb(127.5 127.5 127.5).
    const Triple srgb =
        found->space == PredefinedSpace::Srgb ? components : XyzD65ToSrgb(PredefinedToXyzD65(found->space, components));
    return FromSrgb(srgb, AlphaOf(args));
}

int HexDigit(char c)
{
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    Fail(std::string("'") + c + "' is not a hexadecimal digit");
}

CssColor ReadHex(std::string_view digits)
{
    std::array<int, 4> channels{0, 0, 0, 255};
    if (digits.size() == 3 || digits.size() == 4) {
        for (std::size_t i = 0; i < digits.size(); ++i)
            channels[i] = HexDigit(digits[i]) * 17;
    } else if (digits.size() == 6 || digits.size() == 8) {
        for (std::size_t i = 0; i < digits.size() / 2; ++i)
            channels[i] = HexDigit(digits[2 * i]) * 16 + HexDigit(digits[2 * i + 1]);
    } else {
        Fail("a hex colour has 3, 4, 6 or 8 digits");
    }
    return {ComposeColor(channels[0], channels[1], channels[2]), channels[3]};
}

CssColor ReadName(std::string_view name)
{
    if (name == "transparent")
        return {clBlack, 0};
    const std::optional<int> rgb = CssNamedColor(name);
    if (!rgb)
        Fail("'" + std::string(name) + "' is not a colour name");
    return {ComposeColor(*rgb >> 16, *rgb >> 8, *rgb), 255};
}

CssColor ReadFunction(std::string_view name, std::span<const Token> tokens)
{
    if (name == "rgb" || name == "rgba")
        return ReadRgb(tokens);
    if (name == "hsl" || name == "hsla")
        return ReadHsl(tokens);
    if (name == "hwb")
        return ReadHwb(tokens);
    if (name == "lab" || name == "lch")
        return ReadLab(tokens, name == "lch");
    if (name == "oklab" || name == "oklch")
        return ReadOklab(tokens, name == "oklch");
    if (name == "color")
        return ReadColorFunction(tokens);
    Fail(std::string(name) + "() is not a colour function");
}

} // namespace

CssColor ReadCssColor(std::string_view text)
{
    const std::string code = AsciiLowerCase(TrimCssSpace(text));
    if (code.empty())
        Fail("no colour given");
    if (code.front() == '#')
        return ReadHex(std::string_view(code).substr(1));
    const std::size_t open = code.find('(');
    const std::string_view name = std::string_view(code).substr(0, open);
    if (name.empty() || !std::all_of(name.begin(), name.end(), IsIdentChar))
        Fail("'" + code + "' is not a colour");
    if (open == std::string::npos)
        return ReadName(name);
    if (code.back() != ')')
        Fail("')' is missing");
    const std::string_view inside = std::string_view(code).substr(open + 1, code.size() - open - 2);
    const Tokens tokens(inside);
    return ReadFunction(name, tokens.all());
}

} // namespace pigmentrix
