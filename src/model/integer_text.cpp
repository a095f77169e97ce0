#include "model/integer_text.h"

#include <cstdint>

namespace pigmentrix {
namespace {

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::optional<std::uint32_t> HexPattern(std::string_view digits)
{
    if (digits.empty())
        return std::nullopt;
    std::uint32_t value = 0;
    for (char c : digits) {
        const int digit = HexDigitValue(c);
        // Leading zeros are free; a ninth significant digit would shift bits out.
        if (digit < 0 || value > 0x0FFFFFFFu)
            return std::nullopt;
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    return value;
}

// The magnitude of decimal digits, or nothing when it exceeds limit.
std::optional<std::uint32_t> DecimalMagnitude(std::string_view digits, std::uint32_t limit)
{
    if (digits.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

int ApplySign(std::uint32_t pattern, bool negative)
{
    // Modular on purpose: "-$FFFFFFFF" is 1 and "-2147483648" fits.
    return static_cast<int>(negative ? 0u - pattern : pattern);
}

bool StartsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

} // namespace

std::optional<int> TryHexDigitsToInt(std::string_view digits)
{
    const std::optional<std::uint32_t> pattern = HexPattern(digits);
    if (!pattern)
        return std::nullopt;
    return ApplySign(*pattern, false);
}

std::optional<int> TryStrToInt(std::string_view text)
{
    std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos)
        return std::nullopt;
    text.remove_prefix(start);

    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }

    std::optional<std::uint32_t> magnitude;
    if (StartsWith(text, "$") || StartsWith(text, "x") || StartsWith(text, "X"))
        magnitude = HexPattern(text.substr(1));
    else if (StartsWith(text, "0x") || StartsWith(text, "0X"))
        magnitude = HexPattern(text.substr(2));
    else
        magnitude = DecimalMagnitude(text, negative ? 0x80000000u : 0x7FFFFFFFu);

    if (!magnitude)
        return std::nullopt;
    return ApplySign(*magnitude, negative);
}

int StrToInt(std::string_view text)
{
    const std::optional<int> value = TryStrToInt(text);
    if (!value)
        throw ConvertError(InvalidIntegerMessage(text));
    return *value;
}

int StrToIntOrZero(std::string_view text)
{
    return text.empty() ? 0 : StrToInt(text);
}

std::string InvalidIntegerMessage(std::string_view text)
{
    std::string message;
    message.reserve(text.size() + 32);
    message += '\'';
    message += text;
    message += "' is not a valid integer value";
    return message;
}

std::string AsciiLowerCase(std::string_view text)
{
    std::string result(text);
    for (char &c : result)
        c = AsciiLower(c);
    return result;
}

std::string AsciiUpperCase(std::string_view text)
{
    std::string result(text);
    for (char &c : result)
        c = AsciiUpper(c);
    return result;
}

} // namespace pigmentrix
