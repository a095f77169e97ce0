#include "picker/command_line.h"

#include <algorithm>

namespace pigmentrix {
namespace {

std::string LowerAscii(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
    return text;
}

bool IsColorParameterChar(unsigned char c)
{
    return c == '#' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

} // namespace

bool IsColorParameter(const std::string &argument)
{
    return std::all_of(argument.begin(), argument.end(),
                       [](char c) { return IsColorParameterChar(static_cast<unsigned char>(c)); });
}

StartOptions ScanArguments(const std::vector<std::string> &arguments)
{
    StartOptions options;
    for (const std::string &argument : arguments) {
        const std::string lower = LowerAscii(argument);
        if (lower == "/multi")
            options.singleInstanceCheck = false;
        else if (lower == "/allowclose")
            options.allowClose = true;
        else if (lower == "/autostart")
            options.autostart = true;
        else if (lower == "/notray")
            options.noTray = true;
        else if (lower == "/pick" || lower == "--pick")
            options.pick = true;

        if (IsColorParameter(argument)) {
            options.colorParameter = argument;
            options.colorArgumentGiven = options.colorArgumentGiven || !argument.empty();
        }
    }
    return options;
}

std::optional<std::string> ArgumentError(const StartOptions &options)
{
    if (options.pick && options.colorArgumentGiven)
        return "/pick takes the colour from the screen: give no COLOUR with it.";
    return std::nullopt;
}

} // namespace pigmentrix
