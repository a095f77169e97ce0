// Feeds arbitrary text to the CSS colour reader: a conversion error is the
// only acceptable failure, and a colour read must be a direct colour with an
// alpha of 0..255. The first bytes also pick a colour and an alpha whose code
// in every CSS notation must read back unchanged.
#include "model/color_codes.h"
#include "model/css_color.h"
#include "model/integer_text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using namespace pigmentrix;

void Read(std::string_view text)
{
    try {
        const CssColor read = ReadCssColor(text);
        if (read.color < 0 || read.color > clWhite || read.alpha < 0 || read.alpha > 255)
            std::abort();
    } catch (const ConvertError &) {
    }
}

void CheckRoundTrips(const std::uint8_t *data, std::size_t size)
{
    if (size < 4)
        return;
    const TColor color = ComposeColor(data[0], data[1], data[2]);
    const int alpha = data[3];
    for (int index = notation::CSSColor; index <= notation::CSSOklch; ++index) {
        const ParsedColorCode parsed = ParseColorCode(FormatColorCode(color, index, alpha, true), index);
        if (parsed.color != color || parsed.alpha != alpha)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Read(std::string_view(reinterpret_cast<const char *>(data), size));
    CheckRoundTrips(data, size);
    return 0;
}
