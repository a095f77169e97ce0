#pragma once

#include "model/color.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pigmentrix {

// The texts a stored Boolean may hold, compared without regard to letter case.
inline constexpr std::string_view TrueList = "TRUE, YES, Y";
inline constexpr std::string_view FalseList = "FALSE, NO, N";

// The words of a comma-separated list, blanks around the commas dropped.
std::vector<std::string> SplitWordList(std::string_view list);

// Text forms of the kinds of stored values. A decoder gives nullopt for a
// text that is not of its kind.
std::string EncodeBoolean(bool value); // the first word of TrueList or FalseList
std::optional<bool> DecodeBoolean(std::string_view text);

std::string EncodeInteger(int value);
std::optional<int> DecodeInteger(std::string_view text); // the integer-text rules

std::string EncodeInt64(std::int64_t value);
std::optional<std::int64_t> DecodeInt64(std::string_view text); // [spaces][sign]digits

std::string EncodeColor(TColor value); // identifier, else decimal
std::optional<TColor> DecodeColor(std::string_view text);

// Members are named by names[index]; a name is read in any letter case, and
// the member's number is accepted as well.
std::string EncodeEnumeration(std::span<const std::string_view> names, int index);
std::optional<int> DecodeEnumeration(std::span<const std::string_view> names, std::string_view text);

// Font character sets: "DEFAULT_CHARSET" and the like, else decimal 0..255.
std::string EncodeCharset(int charset);
std::optional<int> DecodeCharset(std::string_view text);

} // namespace pigmentrix
