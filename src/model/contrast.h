#pragma once

#include "model/color.h"

#include <string>

namespace pigmentrix {

// WCAG 2 relative luminance of an sRGB colour, 0 for black to 1 for white.
double RelativeLuminance(TColor color);

// WCAG 2 contrast ratio of two colours, 1 to 21, whichever is lighter.
double ContrastRatio(TColor first, TColor second);

// Which WCAG 2 success criteria a ratio meets: AA asks 4.5 for normal text and
// 3 for large text, AAA 7 and 4.5.
struct ContrastVerdict {
    bool aaNormal = false;
    bool aaLarge = false;
    bool aaaNormal = false;
    bool aaaLarge = false;
    friend bool operator==(const ContrastVerdict &, const ContrastVerdict &) = default;
};

ContrastVerdict JudgeContrast(double ratio);

// "4.48:1": two decimals, rounded half up, except that a ratio just short of
// a threshold (3, 4.5, 7) never shows as reaching it: 4.4999 is "4.49:1".
std::string ContrastRatioText(double ratio);

// foreground at alpha 0..255 laid over an opaque background.
TColor BlendOver(TColor foreground, int alpha, TColor background);

// A colour with its alpha 0..255.
struct TranslucentColor {
    TColor color = clBlack;
    int alpha = 255;
};

// The WCAG 2 contrast of text in foreground over background. Contrast is
// defined between opaque colours: a translucent background is laid over
// white first, as on a page, and a translucent foreground over that.
double TextContrast(TranslucentColor foreground, TranslucentColor background);

// What TextContrast measured, in words, where an alpha entered it; empty
// when both colours are opaque. The picker and pigmentrix-cli both say it.
std::string ContrastNote(int foregroundAlpha, int backgroundAlpha);

} // namespace pigmentrix
