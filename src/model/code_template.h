#pragma once

#include "model/color.h"
#include "model/integer_text.h"

#include <string>
#include <string_view>
#include <vector>

namespace pigmentrix {

// A template the user wrote that cannot be read; the message names the
// field, the format or the brace at fault.
class TemplateError : public ConvertError {
public:
    using ConvertError::ConvertError;
};

// A colour code of the user's own: literal text, "{{" and "}}" for braces,
// and fields "{name}" or "{name:format}". A field format is written as for std::format:
// [[fill]align][0][width][.precision][type] with align "<", ">" or "^" and
// type "d", "x", "X" or "f". Without a format asking otherwise, channels,
// degrees and percentages are whole numbers rounded half up, and the 0..1
// fields and the OKLCH fields have up to four decimals; a precision alone
// means that many decimals.
class CodeTemplate {
public:
    // Throws TemplateError.
    explicit CodeTemplate(std::string_view text);

    // Without upperCaseHex the letters of {hex} come out in lower case; the
    // rest is as the template wrote it, since its literal text and its "x"
    // and "X" formats already say which case the user wants.
    std::string Render(TColor color, int alpha, bool upperCaseHex = true) const;

    struct FieldFormat {
        char fill = ' ';
        char align = 0; // '<', '>', '^' or 0 for the field's own
        bool zeroPad = false;
        int width = 0;
        int precision = -1; // -1: none given
        char type = 0; // 'd', 'x', 'X', 'f' or 0
    };
    struct Part {
        std::string literal; // text before the field
        int field = -1; // -1: no field after the literal
        FieldFormat format;
    };

private:
    std::vector<Part> parts_;
};

// The fields a template can name, in the order the user is shown them.
inline constexpr std::string_view TemplateFieldNames[] = {"r",   "g", "b",   "a",   "rf",  "gf",  "bf", "af",
                                                          "hex", "h", "s",   "l",   "sv",  "v",   "c",  "m",
                                                          "y",   "k", "okl", "okc", "okh", "name"};

} // namespace pigmentrix
