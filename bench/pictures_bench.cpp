// Build time of the HSV pictures at the form's size and at large HiDPI sizes.
#include "displays/hsv_pictures.h"

#include <benchmark/benchmark.h>

namespace {

using pigmentrix::HsvPicture;

void BuildPicture(benchmark::State &state, pigmentrix::DisplayMode displayMode)
{
    const int side = static_cast<int>(state.range(0));
    const QSize size(side, side);
    for (auto _ : state) {
        QImage image = HsvPicture(displayMode, size, 40, 255);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["ns/pixel"] = benchmark::Counter(
        static_cast<double>(side) * side, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void ColorWheel(benchmark::State &state)
{
    BuildPicture(state, pigmentrix::DisplayMode::ColorWheel);
}
void SVSquare(benchmark::State &state)
{
    BuildPicture(state, pigmentrix::DisplayMode::SVSquare);
}
void HSVRectangle(benchmark::State &state)
{
    BuildPicture(state, pigmentrix::DisplayMode::HSVRectangle);
}

BENCHMARK(ColorWheel)->Arg(106)->Arg(512)->Arg(1024)->Unit(benchmark::kMillisecond);
BENCHMARK(SVSquare)->Arg(106)->Arg(512)->Arg(1024)->Unit(benchmark::kMillisecond);
BENCHMARK(HSVRectangle)->Arg(106)->Arg(512)->Arg(1024)->Unit(benchmark::kMillisecond);

} // namespace
