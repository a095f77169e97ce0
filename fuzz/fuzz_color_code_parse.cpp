// Feeds arbitrary text to every notation's reader: a conversion error is the
// only acceptable failure. The first bytes also pick a colour, an alpha and a
// letter case whose codes in the lossless notations must read back unchanged.
#include "model/color_codes.h"
#include "model/conversions.h"
#include "model/integer_text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace pigmentrix;

constexpr int LosslessNotations[] = {
    notation::HTMLHex,   notation::DelphiHex,    notation::VBHex,
    notation::CppHex,    notation::RGBValues,    notation::CMY,
    notation::Photoshop, notation::Powerbuilder, notation::AndroidTransparent,
    notation::CSSRGBA,   notation::CSSColor,     notation::CSSHsl,
    notation::CSSHwb,    notation::CSSLab,       notation::CSSLch,
    notation::CSSOklab,  notation::CSSOklch,
};

bool CarriesAlpha(int index)
{
    return index == notation::AndroidTransparent || index == notation::CSSRGBA
           || (index >= notation::CSSColor && index < NotationCount);
}

void ParseWithEveryNotation(std::string_view text)
{
    for (int index = notation::None; index <= NotationCount; ++index) {
        try {
            const ParsedColorCode parsed = ParseColorCode(text, index);
            if (parsed.alpha.has_value() != CarriesAlpha(index) || (parsed.alpha && (*parsed.alpha & ~0xFF) != 0))
                std::abort();
            if (parsed.color < 0 || parsed.color > clWhite)
                std::abort();
        } catch (const ConvertError &) {
        }
    }
    try {
        HexByte(text);
    } catch (const ConvertError &) {
    }
    try {
        RGB565TextToWord(text);
    } catch (const ConvertError &) {
    }
    TryStrToInt(text);
}

void CheckRoundTrips(const std::uint8_t *data, std::size_t size)
{
    if (size < 4)
        return;
    const TColor color = ComposeColor(data[0], data[1], data[2]);
    const int alpha = data[3] & 0xFF;
    const bool upperCase = (size > 4) && (data[4] & 1);
    for (const int index : LosslessNotations) {
        const ParsedColorCode parsed = ParseColorCode(FormatColorCode(color, index, alpha, upperCase), index);
        if (parsed.color != color || (parsed.alpha && *parsed.alpha != alpha))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    ParseWithEveryNotation(std::string_view(reinterpret_cast<const char *>(data), size));
    CheckRoundTrips(data, size);
    return 0;
}
