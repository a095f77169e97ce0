#include "storage/color_identifiers.h"

#include "model/integer_text.h"

#include <array>
#include <cstdio>

namespace pigmentrix {
namespace {

struct ColorIdent {
    TColor value;
    std::string_view name;
};

// Writing takes the first entry of a value, so the order matters only for
// values with two names (none at present).
constexpr std::array<ColorIdent, 52> Idents = {{
    {0x000000, "clBlack"},
    {0x000080, "clMaroon"},
    {0x008000, "clGreen"},
    {0x008080, "clOlive"},
    {0x800000, "clNavy"},
    {0x800080, "clPurple"},
    {0x808000, "clTeal"},
    {0x808080, "clGray"},
    {0xC0C0C0, "clSilver"},
    {0x0000FF, "clRed"},
    {0x00FF00, "clLime"},
    {0x00FFFF, "clYellow"},
    {0xFF0000, "clBlue"},
    {0xFF00FF, "clFuchsia"},
    {0xFFFF00, "clAqua"},
    {0xFFFFFF, "clWhite"},
    {0xC0DCC0, "clMoneyGreen"},
    {0xF0CAA6, "clSkyBlue"},
    {0xF0FBFF, "clCream"},
    {0xA4A0A0, "clMedGray"},
    {SystemColor(0), "clScrollBar"},
    {SystemColor(1), "clBackground"},
    {SystemColor(2), "clActiveCaption"},
    {SystemColor(3), "clInactiveCaption"},
    {SystemColor(4), "clMenu"},
    {SystemColor(5), "clWindow"},
    {SystemColor(6), "clWindowFrame"},
    {SystemColor(7), "clMenuText"},
    {SystemColor(8), "clWindowText"},
    {SystemColor(9), "clCaptionText"},
    {SystemColor(10), "clActiveBorder"},
    {SystemColor(11), "clInactiveBorder"},
    {SystemColor(12), "clAppWorkSpace"},
    {SystemColor(13), "clHighlight"},
    {SystemColor(14), "clHighlightText"},
    {SystemColor(15), "clBtnFace"},
    {SystemColor(16), "clBtnShadow"},
    {SystemColor(17), "clGrayText"},
    {SystemColor(18), "clBtnText"},
    {SystemColor(19), "clInactiveCaptionText"},
    {SystemColor(20), "clBtnHighlight"},
    {SystemColor(21), "cl3DDkShadow"},
    {SystemColor(22), "cl3DLight"},
    {SystemColor(23), "clInfoText"},
    {SystemColor(24), "clInfoBk"},
    {SystemColor(26), "clHotLight"},
    {SystemColor(27), "clGradientActiveCaption"},
    {SystemColor(28), "clGradientInactiveCaption"},
    {SystemColor(29), "clMenuHighlight"},
    {SystemColor(30), "clMenuBar"},
    {clNone, "clNone"},
    {clDefault, "clDefault"},
}};

char AsciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i]))
            return false;
    }
    return true;
}

} // namespace

std::optional<std::string_view> ColorToIdent(TColor color)
{
    for (const ColorIdent &entry : Idents) {
        if (entry.value == color)
            return entry.name;
    }
    return std::nullopt;
}

std::optional<TColor> IdentToColor(std::string_view ident)
{
    for (const ColorIdent &entry : Idents) {
        if (EqualsIgnoringAsciiCase(entry.name, ident))
            return entry.value;
    }
    return std::nullopt;
}

std::optional<TColor> ReadColorText(std::string_view text)
{
    if (auto named = IdentToColor(text))
        return named;
    return TryStrToInt(text);
}

std::string ColorToPaletteText(TColor color)
{
    if (auto ident = ColorToIdent(color))
        return std::string(*ident);
    char digits[10];
    std::snprintf(digits, sizeof digits, "$%08X", static_cast<unsigned>(color));
    return digits;
}

std::string ColorToSettingText(TColor color)
{
    if (auto ident = ColorToIdent(color))
        return std::string(*ident);
    return std::to_string(color);
}

} // namespace pigmentrix
