#pragma once

#include "integer_text.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>

namespace pigmentrix {

// Builds a short colour code on the stack. The longest code ("360, 100%, 100%")
// has 15 characters, so the finished string never needs the heap.
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

    void LowerCase()
    {
        for (std::size_t i = 0; i < length_; ++i)
            buffer_[i] = AsciiLower(buffer_[i]);
    }

    std::string Str() const { return std::string(buffer_.data(), length_); }

private:
    static constexpr std::string_view HexDigits = "0123456789ABCDEF";

    void Put(char c)
    {
        if (length_ < buffer_.size())
            buffer_[length_++] = c;
    }

    std::array<char, 48> buffer_{};
    std::size_t length_ = 0;
};

} // namespace pigmentrix
