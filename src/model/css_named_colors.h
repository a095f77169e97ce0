#pragma once

#include <optional>
#include <string_view>

namespace pigmentrix {

// The colour of a CSS named colour as 0xRRGGBB; name in lower case.
std::optional<int> CssNamedColor(std::string_view lowerCaseName);

} // namespace pigmentrix
