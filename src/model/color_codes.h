#pragma once

#include "color.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pigmentrix {

// The built-in notations a colour code can be written in, by index: the
// fifteen classic ones, then the CSS functions.
inline constexpr int NotationCount = 22;
inline constexpr std::array<std::string_view, NotationCount> NotationNames = {
    "HTML Hex",  "Delphi Hex", "VB Hex",    "C++ Hex",      "RGB Values",          "RGB %Values", "HSL",    "HSV (HSB)",
    "CMY",       "CMYK",       "Photoshop", "Powerbuilder", "Android Transparent", "CSS RGBA",    "RGB565", "CSS Color",
    "CSS hsl()", "CSS hwb()",  "CSS lab()", "CSS lch()",    "CSS oklab()",         "CSS oklch()",
};

// Notation indexes, named for readers of code that picks one.
namespace notation {
enum : int {
    None = -1,
    HTMLHex,
    DelphiHex,
    VBHex,
    CppHex,
    RGBValues,
    RGBPercentValues,
    HSL,
    HSVHSB,
    CMY,
    CMYK,
    Photoshop,
    Powerbuilder,
    AndroidTransparent,
    CSSRGBA,
    RGB565,
    CSSColor,
    CSSHsl,
    CSSHwb,
    CSSLab,
    CSSLch,
    CSSOklab,
    CSSOklch,
};
} // namespace notation

// The code of color (bits 24-31 ignored) in notation index (-1 gives the empty
// text); alpha 0..255 enters the four classic notations that carry it and the
// CSS ones. Without upperCase the whole text is lower-cased (ASCII letters only).
std::string FormatColorCode(TColor color, int notation, int alpha, bool upperCase);

// code with the letters of its hexadecimal numbers in upper case, for
// "Uppercase Color Codes" on a code already shown or typed: "0xff1e140a" is
// 0xFF1E140A and "&h0080ff" &H0080FF, while function names, colour names and
// the "0x" prefix keep their letters ("oklch(", "rebeccapurple").
std::string UpperCaseHexDigits(std::string_view code);

struct ParsedColorCode {
    TColor color = clWhite;
    std::optional<int> alpha; // "Android Transparent", "CSS RGBA" and the CSS functions
    friend bool operator==(const ParsedColorCode &, const ParsedColorCode &) = default;
};

// Reads text (UTF-8) written in notation index. Throws ConvertError when the
// text does not fit: a component outside its notation's range (RGB Values
// 256, HSL saturation 101%, Powerbuilder 16777216), an HTML Hex code with
// more digits than it can hold, and -1 or any other index, which name no
// notation to read in. Each CSS notation reads any CSS colour, whatever form
// it writes.
ParsedColorCode ParseColorCode(std::string_view text, int notation);

// The integer of "$" followed by piece (one or two hex digits give 0..255).
int HexByte(std::string_view piece);

// Skips the first two characters (normally "0x") and reads the rest as a
// hexadecimal 16-bit word. Characters are counted as the picker's edit box
// counts them, in UTF-16 units. Throws ConvertError "Invalid hexadecimal
// string format" for two characters or fewer, and ConvertError for skipped
// characters that are digits other than the "0x", and for a word above $FFFF.
std::uint16_t RGB565TextToWord(std::string_view text);

} // namespace pigmentrix
