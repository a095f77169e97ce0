#include "model/custom_format.h"

#include "model/code_template.h"
#include "model/color_codes.h"
#include "model/integer_text.h"

#include <algorithm>

namespace pigmentrix {
namespace {

std::string_view TrimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool SameName(std::string_view a, std::string_view b)
{
    return AsciiLowerCase(TrimBlanks(a)) == AsciiLowerCase(TrimBlanks(b));
}

} // namespace

std::string CustomFormatProblem(const CustomFormat &format, std::span<const std::string> otherNames)
{
    const std::string_view name = TrimBlanks(format.name);
    if (name.empty())
        return "Enter a name for the format.";
    const auto taken = [&](std::string_view other) { return SameName(name, other); };
    if (std::any_of(NotationNames.begin(), NotationNames.end(), taken)
        || std::any_of(otherNames.begin(), otherNames.end(), taken))
        return "There is already a format called '" + std::string(name) + "'.";
    if (format.text.empty())
        return "Enter a template for the format.";
    try {
        CodeTemplate{format.text};
    } catch (const TemplateError &error) {
        return error.what();
    }
    return {};
}

} // namespace pigmentrix
