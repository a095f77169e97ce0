#pragma once

#include "integer_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

namespace pigmentrix {

// Builds a short colour code on the stack. The longest code
// ("lab(100 -125.12 -125.12 / 0.502)") has 32 characters, so the finished
// string stays within the small-string buffer or needs one allocation.
class CodeWriter {
public:
    CodeWriter &Text(std::string_view text)
    {
        for (char c : text)
            Put(c);
        return *this;
    }

    // Exactly two upper-case hexadecimal digits of the low byte.
    CodeWriter &Hex2(int value)
    {
        Put(HexDigits[(value >> 4) & 0xF]);
        Put(HexDigits[value & 0xF]);
        return *this;
    }

    // Exactly four upper-case hexadecimal digits of the low 16 bits.
    CodeWriter &Hex4(int value) { return Hex2(value >> 8).Hex2(value); }

    CodeWriter &Decimal(std::int64_t value)
    {
        const auto result = std::to_chars(buffer_.data() + length_, buffer_.data() + buffer_.size(), value);
        if (result.ec == std::errc())
            length_ = static_cast<std::size_t>(result.ptr - buffer_.data());
        return *this;
    }

    // value with at most decimals digits after the point, trailing zeros
    // dropped; a value that rounds to zero is written "0", never "-0".
    CodeWriter &Fixed(double value, int decimals)
    {
        return Scaled(std::nearbyint(value * Power10(decimals)), decimals);
    }

    // A hue in degrees 0..360 as Fixed writes it; one that rounds to 360 is 0.
    CodeWriter &Hue(double degrees, int decimals)
    {
        double scaled = std::nearbyint(degrees * Power10(decimals));
        if (scaled >= 360 * Power10(decimals))
            scaled -= 360 * Power10(decimals);
        return Scaled(scaled, decimals);
    }

    void LowerCase()
    {
        for (std::size_t i = 0; i < length_; ++i)
            buffer_[i] = AsciiLower(buffer_[i]);
    }

    std::string Str() const { return std::string(buffer_.data(), length_); }

private:
    static constexpr std::string_view HexDigits = "0123456789ABCDEF";

    static constexpr double Power10(int decimals)
    {
        double power = 1;
        for (int i = 0; i < decimals; ++i)
            power *= 10;
        return power;
    }

    // Writes scaled / 10^decimals; scaled is a whole number of a colour
    // component's size, far inside 64 bits.
    CodeWriter &Scaled(double scaled, int decimals)
    {
        std::int64_t units = static_cast<std::int64_t>(scaled);
        if (units < 0) {
            Put('-');
            units = -units;
        }
        const auto unit = static_cast<std::int64_t>(Power10(decimals));
        Decimal(units / unit);
        std::int64_t fraction = units % unit;
        if (fraction == 0)
            return *this;
        Put('.');
        for (std::int64_t digit = unit / 10; fraction != 0; digit /= 10) {
            Put(static_cast<char>('0' + fraction / digit));
            fraction %= digit;
        }
        return *this;
    }

    void Put(char c)
    {
        if (length_ < buffer_.size())
            buffer_[length_++] = c;
    }

    std::array<char, 48> buffer_{};
    std::size_t length_ = 0;
};

} // namespace pigmentrix
