#pragma once

#include "color.h"

#include <cstdint>
#include <optional>
#include <string>

namespace pigmentrix {

struct RGBValues {
    int R = 0;
    int G = 0;
    int B = 0;
    friend bool operator==(const RGBValues &, const RGBValues &) = default;
};

// Hue in degrees 0..360, saturation and value on 0..255.
struct HSVValues {
    double H = 0;
    double S = 0;
    double V = 0;
};

// All three as fractions 0..1.
struct HSLValues {
    double H = 0;
    double S = 0;
    double L = 0;
};

struct CMYValues {
    int C = 0;
    int M = 0;
    int Y = 0;
    friend bool operator==(const CMYValues &, const CMYValues &) = default;
};

// Percentages 0..100.
struct CMYKValues {
    int C = 0;
    int M = 0;
    int Y = 0;
    int K = 0;
    friend bool operator==(const CMYKValues &, const CMYKValues &) = default;
};

// One pixel of a 24-bit bitmap row, in memory order.
struct PixelTriple {
    std::uint8_t blue = 0;
    std::uint8_t green = 0;
    std::uint8_t red = 0;
    friend bool operator==(const PixelTriple &, const PixelTriple &) = default;
};

// A direct colour as it is; a system colour (the low byte of a negative
// TColor names it) as the classic desktop palette gives it, so the window
// looks the same on every desktop.
TColor ColorToRGB(TColor c);

HSVValues RGBtoHSV(int R, int G, int B);
// No result (nullopt) for a hue above 360 or at -60 and below.
std::optional<RGBValues> HSVtoRGB(double H, double S, double V);

HSLValues RGBtoHSL(TColor c);
TColor HSLtoRGB(double H, double S, double L);

CMYValues RGBtoCMY(int R, int G, int B);
CMYKValues RGBtoCMYK(int R, int G, int B);

// "#RRGGBB", upper case, channels taken directly from c.
std::string ColorToHTML(TColor c);

TColor InverseColor(TColor c);
TColor ContrastColor(TColor c);

// Integer-only HSV conversion used for the picture bitmaps.
PixelTriple HSVtoRGBTriple(int H, int S, int V);

TColor RGB565ToColor(std::uint16_t w);

} // namespace pigmentrix
