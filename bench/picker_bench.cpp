// One step of a slider drag: the update pipeline from the RGB sliders, the
// colour frame, and the eight sliders painted again (offscreen).
#include "displays/tracker.h"
#include "picker/color_pick_window.h"
#include "picker/color_pipeline.h"
#include "picker/picker_settings.h"
#include "ui/picker_dialogs.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace pigmentrix {
namespace {

void BM_SliderDragStep(benchmark::State &state)
{
    const PickerSettings settings;
    QtPickerDialogs dialogs;
    TfrmColorPick window(settings, dialogs);
    window.show();
    QApplication::processEvents();
    const auto named = [&window](const char *name) {
        return window.findChild<TJvTracker *>(QString::fromLatin1(name));
    };
    const std::array<TJvTracker *, 8> sliders{
        named("scrollbarred"),   named("scrollbarGreen"), named("scrollbarBlue"),       named("scrollbarBrightness"),
        named("scrollbarAlpha"), named("scrollbarHue"),   named("scrollbarSaturation"), named("scrollbarValue")};
    TJvTracker *red = sliders[0];
    ColorPipeline &pipeline = *window.findChild<ColorPipeline *>();
    int value = 0;
    for (auto _ : state) {
        value = (value + 1) % 256;
        red->setValue(value);
        pipeline.UpdateColor(ChangeSource::RgbSliders);
        for (TJvTracker *slider : sliders)
            slider->repaint();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SliderDragStep)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace pigmentrix
