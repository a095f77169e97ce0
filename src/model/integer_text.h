#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace pigmentrix {

// A text that does not fit the rule it is read by.
class ConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Optional leading spaces, an optional sign, then decimal digits (must fit in
// 32 signed bits) or hexadecimal digits after "$", "x", "X", "0x" or "0X"
// (up to eight significant digits, taken as a 32-bit pattern), nothing after.
std::optional<int> TryStrToInt(std::string_view text);

// The 32-bit pattern of bare hexadecimal digits (no prefix, no sign, at least
// one digit, up to eight significant ones): what TryStrToInt makes of "$" digits.
// Stores it in value and returns true, or returns false leaving value alone.
bool TryHexDigitsToInt(std::string_view digits, int &value);

// As TryStrToInt; throws ConvertError "'<text>' is not a valid integer value".
int StrToInt(std::string_view text);

// As StrToInt, except that the empty text gives 0.
int StrToIntOrZero(std::string_view text);

// The message of a failed integer conversion of text.
std::string InvalidIntegerMessage(std::string_view text);

// ASCII-only case conversion: other bytes pass unchanged.
constexpr char AsciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr char AsciiUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string AsciiLowerCase(std::string_view text);
std::string AsciiUpperCase(std::string_view text);

} // namespace pigmentrix
