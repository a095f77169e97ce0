// One step of a slider drag: the update pipeline from the RGB sliders, the
// colour frame, and the eight sliders painted again (offscreen). One pointer
// move over a still screen: the colour, the magnifier and the picker window
// drawn on the still screen again.
#include "displays/tracker.h"
#include "picker/color_pick_window.h"
#include "picker/color_pipeline.h"
#include "sampling/frozen_grab.h"
#include "sampling/frozen_overlay.h"
#include "sampling/grab_controller.h"
#include "storage/picker_settings.h"
#include "ui/picker_dialogs.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

namespace pigmentrix {
namespace {

// The picker window with the settings of a first start, shown and painted.
struct ShownPicker {
    ShownPicker()
    {
        window.show();
        QApplication::processEvents();
    }
    const PickerSettings settings;
    QtPickerDialogs dialogs;
    TfrmColorPick window{settings, dialogs};
};

void BM_SliderDragStep(benchmark::State &state)
{
    ShownPicker shown;
    TfrmColorPick &window = shown.window;
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
        pipeline.UpdateColor({ChangeSource::RgbSliders, {value, 0, 0}, std::nullopt}, red);
        for (TJvTracker *slider : sliders)
            slider->repaint();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SliderDragStep)->Unit(benchmark::kMicrosecond);

// A desktop of one picture, for a grab over a still screen.
class PictureDesktop final : public ScreenSampler {
public:
    explicit PictureDesktop(QImage picture)
        : picture(std::move(picture))
    {
    }
    std::optional<QPoint> pointerPosition() override { return QPoint(); }
    std::optional<TColor> pixel(QPoint) override { return std::nullopt; }
    std::optional<QImage> copyArea(const QRect &) override { return std::nullopt; }
    std::optional<QImage> captureDesktop() override { return picture; }

private:
    QImage picture;
};

void BM_FrozenPointerMove(benchmark::State &state)
{
    ShownPicker shown;
    TfrmColorPick &window = shown.window;
    QImage picture(800, 600, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x % 256, y % 256, 77));
    auto *grab = window.findChild<GrabController *>();
    grab->setScreenSampler(std::make_unique<PictureDesktop>(picture));
    window.findChild<QAction *>(QStringLiteral("FreezeScreenWhilePicking1"))->trigger();
    grab->btnGrabMouseDown(Qt::LeftButton);
    FrozenScreenOverlay *overlay = grab->frozenScreens()->overlays().front().get();
    QApplication::processEvents();
    int step = 0;
    for (auto _ : state) {
        step = (step + 1) % 200;
        const QPointF at(600 + step, 400 + step / 2);
        QMouseEvent move(QEvent::MouseMove, at, overlay->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(overlay->pointerTarget(), &move);
        QApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FrozenPointerMove)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace pigmentrix
