#include "model/color_codes.h"
#include "model/conversions.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

namespace pigmentrix {
namespace {

// A spread of colours that reaches every branch of the HSV and HSL sectors.
std::vector<TColor> SampleColors()
{
    std::vector<TColor> colors;
    for (std::uint32_t i = 0; i < 4096; ++i)
        colors.push_back(static_cast<TColor>((i * 2654435761u) & 0xFFFFFFu));
    return colors;
}

void LabelWithNotation(benchmark::State &state, int index)
{
    state.SetLabel(std::string(NotationNames[static_cast<std::size_t>(index)]));
}

void BM_FormatColorCode(benchmark::State &state)
{
    const int index = static_cast<int>(state.range(0));
    const std::vector<TColor> colors = SampleColors();
    std::size_t i = 0;
    for (auto _ : state) {
        const TColor color = colors[i++ & (colors.size() - 1)];
        benchmark::DoNotOptimize(FormatColorCode(color, index, RedOf(color), true));
    }
    LabelWithNotation(state, index);
}
BENCHMARK(BM_FormatColorCode)->DenseRange(0, NotationCount - 1);

void BM_ParseColorCode(benchmark::State &state)
{
    const int index = static_cast<int>(state.range(0));
    std::vector<std::string> codes;
    for (const TColor color : SampleColors())
        codes.push_back(FormatColorCode(color, index, RedOf(color), true));
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseColorCode(codes[i++ & (codes.size() - 1)], index));
    LabelWithNotation(state, index);
}
BENCHMARK(BM_ParseColorCode)->DenseRange(0, NotationCount - 1);

// The forms a CSS notation reads besides its own, one by one: a name, hex,
// the legacy syntax, and colours outside sRGB that go through gamut mapping.
void BM_ReadCssForm(benchmark::State &state)
{
    static const char *const Forms[] = {"rebeccapurple",           "#FF800080",         "rgba(255, 128, 0, 50%)",
                                        "color(display-p3 1 0 0)", "oklch(0.7 0.4 30)", "lab(50 100 -100)"};
    const char *form = Forms[state.range(0)];
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseColorCode(form, notation::CSSColor));
    state.SetLabel(form);
}
BENCHMARK(BM_ReadCssForm)->DenseRange(0, 5);

void BM_RGBtoHSV(benchmark::State &state)
{
    const std::vector<TColor> colors = SampleColors();
    std::size_t i = 0;
    for (auto _ : state) {
        const TColor color = colors[i++ & (colors.size() - 1)];
        benchmark::DoNotOptimize(RGBtoHSV(RedOf(color), GreenOf(color), BlueOf(color)));
    }
}
BENCHMARK(BM_RGBtoHSV);

void BM_HSVtoRGB(benchmark::State &state)
{
    std::vector<HSVValues> samples;
    for (const TColor color : SampleColors())
        samples.push_back(RGBtoHSV(RedOf(color), GreenOf(color), BlueOf(color)));
    std::size_t i = 0;
    for (auto _ : state) {
        const HSVValues &hsv = samples[i++ & (samples.size() - 1)];
        benchmark::DoNotOptimize(HSVtoRGB(hsv.H, hsv.S, hsv.V));
    }
}
BENCHMARK(BM_HSVtoRGB);

// One picture row after another, as the hue/saturation/value pictures draw.
void BM_HSVtoRGBTriple(benchmark::State &state)
{
    int h = 0;
    int s = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(HSVtoRGBTriple(h, s, 200));
        if (++h > 360) {
            h = 0;
            s = (s + 1) & 0xFF;
        }
    }
}
BENCHMARK(BM_HSVtoRGBTriple);

} // namespace
} // namespace pigmentrix
