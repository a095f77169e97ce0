#include "picker/channel_rules.h"

#include "model/color_codes.h"
#include "model/integer_text.h"
#include "model/rounding.h"

#include <algorithm>
#include <array>

namespace pigmentrix {

std::string NormalizedChannelText(std::string_view text, int limit)
{
    const std::optional<int> value = TryStrToInt(text);
    if (!value)
        return "0";
    if (*value > limit)
        return std::to_string(limit);
    return std::to_string(*value);
}

RGBSliderValues ApplyBrightness(RGBSliderValues channels, int target)
{
    std::array<int *, 3> sliders{&channels.red, &channels.green, &channels.blue};
    // A slider ignores a write outside its range.
    const auto write = [](int *slider, int value) {
        if (value >= 0 && value <= 255)
            *slider = value;
    };

    const int average = static_cast<int>(Trunc((channels.red + channels.green + channels.blue) / 3.0));
    if (average < target) {
        int below = 0;
        for (const int *slider : sliders)
            below += *slider < 255 ? 1 : 0;
        const int delta = static_cast<int>(Trunc((target - average) * (3.0 / below)));
        for (int *slider : sliders)
            if (*slider < 255)
                write(slider, *slider + delta);
    } else if (average > target) {
        int above = 0;
        for (const int *slider : sliders)
            above += *slider > 0 ? 1 : 0;
        const int delta = static_cast<int>(Trunc((average - target) * (3.0 / above)));
        for (int *slider : sliders)
            if (*slider > 0)
                write(slider, *slider - delta);
    }
    if (target == 0 || target == 255)
        for (int *slider : sliders)
            write(slider, target);
    return channels;
}

std::optional<TColor> ParseColorParameter(std::string_view parameter)
{
    // More than six digits is no colour of this form: reading the last six
    // would take a colour the user never wrote.
    if (std::count_if(parameter.begin(), parameter.end(), [](char c) { return c != '#'; }) > 6)
        return std::nullopt;
    const std::string_view tail = parameter.size() > 6 ? parameter.substr(parameter.size() - 6) : parameter;
    const auto pair = [&](std::size_t start) {
        return start < tail.size() ? tail.substr(start, 2) : std::string_view{};
    };
    try {
        return ComposeColor(HexByte(pair(0)), HexByte(pair(2)), HexByte(pair(4)));
    } catch (const ConvertError &) {
        return std::nullopt;
    }
}

} // namespace pigmentrix
