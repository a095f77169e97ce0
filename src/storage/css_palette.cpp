#include "storage/css_palette.h"

#include "model/conversions.h"

#include <cctype>
#include <set>

namespace pigmentrix {
namespace {

// Letters and digits beyond ASCII are welcome in a CSS name as they are.
std::string PropertyWord(std::string_view name)
{
    std::string word;
    for (char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 || std::isalnum(byte))
            word += static_cast<char>(std::tolower(byte));
        else if (!word.empty() && word.back() != '-')
            word += '-';
    }
    if (!word.empty() && word.back() == '-')
        word.pop_back();
    return word;
}

std::string LowerHex(TColor color)
{
    std::string hex = ColorToHTML(ColorToRGB(color));
    for (char &c : hex)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return hex;
}

} // namespace

std::string FormatCssPalette(const SwatchPalette &palette)
{
    std::string text = ":root {\n";
    std::set<std::string> taken;
    for (std::size_t place = 0; place < palette.swatches.size(); ++place) {
        const Swatch &swatch = palette.swatches[place];
        std::string word = PropertyWord(swatch.name);
        if (word.empty())
            word = "color-" + std::to_string(place + 1);
        std::string property = word;
        for (int suffix = 2; taken.contains(property); ++suffix)
            property = word + "-" + std::to_string(suffix);
        taken.insert(property);
        text += "  --" + property + ": " + LowerHex(swatch.color) + ";\n";
    }
    text += "}\n";
    return text;
}

} // namespace pigmentrix
