#pragma once

#include "model/color.h"

#include <optional>
#include <string>
#include <string_view>

namespace pigmentrix {

// The text a channel box gets when the user leaves it: the limit when the
// number is above it, the plain decimal form otherwise, "0" when the text is
// not a number.
std::string NormalizedChannelText(std::string_view text, int limit);

struct RGBSliderValues {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const RGBSliderValues &, const RGBSliderValues &) = default;
};

// Moves the three RGB sliders towards the brightness target. A slider keeps
// its value where the step would leave 0..255, as the sliders ignore such
// writes; targets 0 and 255 give black and white.
RGBSliderValues ApplyBrightness(RGBSliderValues channels, int target);

// The colour of a command-line colour parameter: the last six characters read
// as three hexadecimal pairs, red first; nullopt when a pair is not hex or
// the parameter has more than six digits.
std::optional<TColor> ParseColorParameter(std::string_view parameter);

} // namespace pigmentrix
