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

// Hot in colour code parsing: results go through references, not optionals.
bool ReadHexPattern(std::string_view digits, std::uint32_t &pattern)
{
    if (digits.empty())
        return false;
    std::uint32_t value = 0;
    for (char c : digits) {
        const int digit = HexDigitValue(c);
        // Leading zeros are free; a ninth significant digit would shift bits out.
        if (digit < 0 || value > 0x0FFFFFFFu)
            return false;
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    pattern = value;
    return true;
}

// The magnitude of decimal digits, refused when it exceeds limit.
bool ReadDecimalMagnitude(std::string_view digits, std::uint32_t limit, std::uint32_t &magnitude)
{
    if (digits.empty())
        return false;
    std::uint64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > limit)
            return false;
    }
    magnitude = static_cast<std::uint32_t>(value);
    return true;
}

int ApplySign(std::uint32_t pattern, bool negative)
{
    // Modular on purpose: "-$FFFFFFFF" is 1 and "-2147483648" fits.
    return static_cast<int>(negative ? 0u - pattern : pattern);
}

bool IsHexPrefixLetter(char c)
{
    return c == '$' || c == 'x' || c == 'X';
}

bool ReadInteger(std::string_view text, int &value)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::string_view rest = text.substr(i);

    std::uint32_t magnitude = 0;
    bool read = false;
    if (!rest.empty() && IsHexPrefixLetter(rest[0]))
        read = ReadHexPattern(rest.substr(1), magnitude);
    else if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X'))
        read = ReadHexPattern(rest.substr(2), magnitude);
    else
        read = ReadDecimalMagnitude(rest, negative ? 0x80000000u : 0x7FFFFFFFu, magnitude);
    if (read)
        value = ApplySign(magnitude, negative);
    return read;
}

} // namespace

bool TryHexDigitsToInt(std::string_view digits, int &value)
{
    std::uint32_t pattern = 0;
    if (!ReadHexPattern(digits, pattern))
        return false;
    value = ApplySign(pattern, false);
    return true;
}

std::optional<int> TryStrToInt(std::string_view text)
{
    int value = 0;
    if (!ReadInteger(text, value))
        return std::nullopt;
    return value;
}

int StrToInt(std::string_view text)
{
    int value = 0;
    if (!ReadInteger(text, value))
        throw ConvertError(InvalidIntegerMessage(text));
    return value;
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
