// One grab tick on a real X server (Xvfb): pointer query, 5x5 read, the
// magnifier's block read and stretch at zoom 4 on the design picture, and the
// update pipeline. Beside it the parts, and one pixel read through xcb
// against the same pixel through QScreen::grabWindow.
// Without DISPLAY the program runs itself again under scripts/with-xvfb.
#include "picker/color_pick_window.h"
#include "sampling/average_color.h"
#include "sampling/grab_controller.h"
#include "sampling/magnifier_picture.h"
#include "sampling/x11_screen_sampler.h"
#include "storage/picker_settings.h"
#include "ui/picker_dialogs.h"

#include <QAction>
#include <QApplication>
#include <QScreen>

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace pigmentrix {
namespace {

using Clock = std::chrono::steady_clock;

double Microseconds(Clock::duration d)
{
    return std::chrono::duration<double, std::micro>(d).count();
}

// Median and worst of the timed runs, as counters of the benchmark.
void ReportSpread(benchmark::State &state, std::vector<double> times, const std::string &prefix = {})
{
    if (times.empty())
        return;
    std::sort(times.begin(), times.end());
    state.counters[prefix + "median_us"] = times[times.size() / 2];
    state.counters[prefix + "worst_us"] = times.back();
}

std::unique_ptr<X11ScreenSampler> OpenScreen(benchmark::State &state)
{
    std::unique_ptr<X11ScreenSampler> screen = X11ScreenSampler::open();
    if (!screen)
        state.SkipWithError("the X server's screen cannot be read");
    return screen;
}

void BM_GrabTick(benchmark::State &state)
{
    const PickerSettings settings;
    QtPickerDialogs dialogs;
    TfrmColorPick window(settings, dialogs);
    window.show();
    QApplication::processEvents();
    GrabController &grab = *window.findChild<GrabController *>();
    window.findChild<QAction *>(QStringLiteral("N5x5Average1"))->trigger();
    grab.btnGrabMouseDown(Qt::LeftButton);
    std::vector<double> times;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        grab.Timer1Timer();
        times.push_back(Microseconds(Clock::now() - start));
    }
    grab.btnGrabMouseUp(Qt::LeftButton);
    ReportSpread(state, times);
}
BENCHMARK(BM_GrabTick)->Unit(benchmark::kMicrosecond);

void BM_PointerQuery(benchmark::State &state)
{
    const std::unique_ptr<X11ScreenSampler> screen = OpenScreen(state);
    if (!screen)
        return;
    for (auto _ : state)
        benchmark::DoNotOptimize(screen->pointerPosition());
}
BENCHMARK(BM_PointerQuery)->Unit(benchmark::kMicrosecond);

void BM_Average5x5(benchmark::State &state)
{
    const std::unique_ptr<X11ScreenSampler> screen = OpenScreen(state);
    if (!screen)
        return;
    for (auto _ : state)
        benchmark::DoNotOptimize(GetAverageColor(*screen, 640, 400, 5));
}
BENCHMARK(BM_Average5x5)->Unit(benchmark::kMicrosecond);

void BM_MagnifierBlockRead(benchmark::State &state)
{
    const std::unique_ptr<X11ScreenSampler> screen = OpenScreen(state);
    if (!screen)
        return;
    const MagnifierLayout layout = *MagnifierLayoutFor({165, 132}, 4);
    for (auto _ : state)
        benchmark::DoNotOptimize(screen->copyArea(MagnifierBlock(layout, {640, 400})));
}
BENCHMARK(BM_MagnifierBlockRead)->Unit(benchmark::kMicrosecond);

void BM_MagnifierStretchAndCross(benchmark::State &state)
{
    const MagnifierLayout layout = *MagnifierLayoutFor({165, 132}, 4);
    QImage block(layout.block, QImage::Format_ARGB32);
    block.fill(qRgb(10, 120, 200));
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildMagnifierPicture(block, layout, Crosshair::Cross));
}
BENCHMARK(BM_MagnifierStretchAndCross)->Unit(benchmark::kMicrosecond);

// The same pixel read both ways in every iteration; the ratio is QScreen's
// time over xcb's.
void BM_OnePixelXcbVersusQScreen(benchmark::State &state)
{
    const std::unique_ptr<X11ScreenSampler> screen = OpenScreen(state);
    if (!screen)
        return;
    QScreen *qscreen = QGuiApplication::primaryScreen();
    const QPoint at(640, 400);
    std::vector<double> xcb;
    std::vector<double> qt;
    for (auto _ : state) {
        Clock::time_point start = Clock::now();
        benchmark::DoNotOptimize(screen->pixel(at));
        xcb.push_back(Microseconds(Clock::now() - start));
        start = Clock::now();
        benchmark::DoNotOptimize(qscreen->grabWindow(0, at.x(), at.y(), 1, 1).toImage().pixel(0, 0));
        qt.push_back(Microseconds(Clock::now() - start));
    }
    ReportSpread(state, xcb, "xcb_");
    ReportSpread(state, qt, "qscreen_");
    if (state.counters["xcb_median_us"] > 0)
        state.counters["qscreen_over_xcb"] = state.counters["qscreen_median_us"] / state.counters["xcb_median_us"];
}
BENCHMARK(BM_OnePixelXcbVersusQScreen)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace pigmentrix

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::vector<char *> again{const_cast<char *>(PIGMENTRIX_WITH_XVFB)};
        again.insert(again.end(), argv, argv + argc);
        again.push_back(nullptr);
        execv(again[0], again.data());
        perror("grab bench: cannot start scripts/with-xvfb");
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
