// Painting costs of the slider and the colour frame, which repaint on every
// drag movement and every colour change.
#include "displays/color_frame.h"
#include "displays/tracker_painter.h"

#include <benchmark/benchmark.h>

namespace {

using namespace pigmentrix;

void PaintProgramSlider(benchmark::State &state)
{
    TrackerLook look;
    look.metrics = {136, 21, 10, 16, 8};
    look.thumbColor = 0x00808080;
    look.thumbPosition = 68;
    look.channel = static_cast<TRGBChannel>(state.range(0));
    look.base = {65, 105, 225, 225, 181, 225};
    for (auto _ : state)
        benchmark::DoNotOptimize(PaintTracker(look));
}
BENCHMARK(PaintProgramSlider)->ArgName("channel")->DenseRange(rcRed, rcValue)->Unit(benchmark::kMicrosecond);

void BuildProgramColorFrame(benchmark::State &state)
{
    ColorFrameParams params;
    params.color = 0x00E16941;
    params.alpha = static_cast<int>(state.range(0));
    params.alphaOld = params.alpha;
    params.alphaMode = true;
    params.caption = "Pigmentrix";
    params.font.setPixelSize(13);
    params.font.setBold(true);
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildColorFrame(params));
}
BENCHMARK(BuildProgramColorFrame)->ArgName("alpha")->Arg(255)->Arg(128)->Unit(benchmark::kMicrosecond);

} // namespace
