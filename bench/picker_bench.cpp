// One step of a slider drag: the update pipeline from the RGB sliders, the
// colour frame, and the eight sliders painted again (offscreen).
#include "displays/tracker.h"
#include "picker/color_pick_window.h"
#include "picker/picker_dialogs.h"
#include "picker/picker_settings.h"

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
    const std::array<TJvTracker *, 8> sliders{window.scrollbarred, window.scrollbarGreen, window.scrollbarBlue,
                                              window.scrollbarBrightness, window.scrollbarAlpha, window.scrollbarHue,
                                              window.scrollbarSaturation, window.scrollbarValue};
    int red = 0;
    for (auto _ : state) {
        red = (red + 1) % 256;
        window.scrollbarred->setValue(red);
        window.UpdateColor(3);
        for (TJvTracker *slider : sliders)
            slider->repaint();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SliderDragStep)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace pigmentrix
