#include "model/contrast.h"

#include "model/code_writer.h"
#include "model/css_color_space.h"

#include <algorithm>
#include <cmath>

namespace pigmentrix {

double RelativeLuminance(TColor color)
{
    return 0.2126 * SrgbToLinear(RedOf(color) / 255.0) + 0.7152 * SrgbToLinear(GreenOf(color) / 255.0)
           + 0.0722 * SrgbToLinear(BlueOf(color) / 255.0);
}

double ContrastRatio(TColor first, TColor second)
{
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

ContrastVerdict JudgeContrast(double ratio)
{
    return {ratio >= 4.5, ratio >= 3, ratio >= 7, ratio >= 4.5};
}

std::string ContrastRatioText(double ratio)
{
    auto hundredths = static_cast<std::int64_t>(std::floor(ratio * 100 + 0.5));
    for (const std::int64_t threshold : {300, 450, 700}) {
        if (hundredths == threshold && ratio * 100 < threshold)
            hundredths = threshold - 1;
    }
    CodeWriter text;
    text.Decimal(hundredths / 100).Text(".");
    const std::int64_t fraction = hundredths % 100;
    if (fraction < 10)
        text.Text("0");
    text.Decimal(fraction).Text(":1");
    return text.Str();
}

TColor BlendOver(TColor foreground, int alpha, TColor background)
{
    const auto channel = [alpha](int front, int back) {
        return static_cast<int>(std::floor((front * alpha + back * (255 - alpha)) / 255.0 + 0.5));
    };
    return ComposeColor(channel(RedOf(foreground), RedOf(background)),
                        channel(GreenOf(foreground), GreenOf(background)),
                        channel(BlueOf(foreground), BlueOf(background)));
}

double TextContrast(TranslucentColor foreground, TranslucentColor background)
{
    const TColor page = BlendOver(background.color, background.alpha, clWhite);
    return ContrastRatio(BlendOver(foreground.color, foreground.alpha, page), page);
}

namespace {

std::string AlphaText(int alpha)
{
    CodeWriter text;
    text.Text("alpha ").Decimal(alpha).Text(" of 255, ").Fixed(alpha * 100 / 255.0, 1).Text("%");
    return text.Str();
}

} // namespace

std::string ContrastNote(int foregroundAlpha, int backgroundAlpha)
{
    std::string note;
    if (backgroundAlpha != 255)
        note = "The background is translucent (" + AlphaText(backgroundAlpha) + "): measured laid over white.";
    if (foregroundAlpha != 255) {
        note += note.empty() ? "" : " ";
        note += "The text is translucent (" + AlphaText(foregroundAlpha) + "): measured laid over the background.";
    }
    return note;
}

} // namespace pigmentrix
