// What colour management costs a grab tick: one pixel and a 5x5 mean of a
// display with the Display P3 profile (the transform made once, when the
// profile is read), beside the same without a profile.
#include "sampling/average_color.h"
#include "sampling/screen_colors.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QImage>

namespace pigmentrix {
namespace {

QByteArray DisplayP3()
{
    QFile file(QStringLiteral("/usr/share/color/argyll/ref/DisplayP3.icm"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A 64 x 64 block of many colours, read like the screen.
class BlockScreen final : public ScreenSampler {
public:
    BlockScreen()
        : desktop(64, 64, QImage::Format_ARGB32)
    {
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                desktop.setPixel(x, y, qRgb(x * 4, y * 4, (x + y) * 2));
    }
    std::optional<QPoint> pointerPosition() override { return QPoint(32, 32); }
    std::optional<TColor> pixel(QPoint at) override
    {
        const QRgb value = desktop.pixel(at);
        return ComposeColor(qRed(value), qGreen(value), qBlue(value));
    }
    std::optional<QImage> copyArea(const QRect &area) override { return desktop.copy(area); }

private:
    QImage desktop;
};

ScreenColors ConvertingColors(bool withProfile)
{
    ScreenColors colors;
    const QByteArray profile = withProfile ? DisplayP3() : QByteArray();
    colors.refresh({QRect(0, 0, 64, 64)}, [&profile](int) { return profile; });
    return colors;
}

void BM_OnePixel(benchmark::State &state)
{
    const ScreenColors colors = ConvertingColors(state.range(0) != 0);
    if (state.range(0) != 0 && !colors.converting())
        state.SkipWithError("Display P3 (argyll-ref) is not installed");
    BlockScreen screen;
    int step = 0;
    for (auto _ : state) {
        const QPoint at(step % 64, (step / 64) % 64);
        benchmark::DoNotOptimize(colors.convert(at, *screen.pixel(at)));
        ++step;
    }
}
BENCHMARK(BM_OnePixel)->ArgName("profile")->Arg(0)->Arg(1);

void BM_Average5x5(benchmark::State &state)
{
    const ScreenColors colors = ConvertingColors(state.range(0) != 0);
    if (state.range(0) != 0 && !colors.converting())
        state.SkipWithError("Display P3 (argyll-ref) is not installed");
    BlockScreen screen;
    for (auto _ : state)
        benchmark::DoNotOptimize(GetAverageColor(screen, 32, 32, 5, colors.converting() ? &colors : nullptr));
}
BENCHMARK(BM_Average5x5)->ArgName("profile")->Arg(0)->Arg(1);

void BM_ReadProfile(benchmark::State &state)
{
    const QByteArray profile = DisplayP3();
    for (auto _ : state)
        benchmark::DoNotOptimize(DisplayProfile::read(profile));
}
BENCHMARK(BM_ReadProfile)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace pigmentrix
