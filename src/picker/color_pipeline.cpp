// The update pipeline: every change of the current colour and its alpha
// ends here, is recorded for undo, and every editor is refreshed from the
// colour with its change handlers held off.
#include "picker/color_pipeline.h"

#include "model/conversions.h"

namespace pigmentrix {

ColorPipeline::ChangeGuard::ChangeGuard(ColorPipeline &pipeline)
    : pipeline(pipeline)
{
    pipeline.changesDisabled = true;
}

ColorPipeline::ChangeGuard::~ChangeGuard()
{
    pipeline.enablechanges();
}

ColorPipeline::ColorPipeline(QObject *parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("colorPipeline"));
}

void ColorPipeline::setAlphaMode(bool on)
{
    alphamode = on;
    // Without an alpha editor nothing could bring a translucent alpha back.
    if (!on)
        currentAlpha = 255;
}

void ColorPipeline::redrawFrame()
{
    emit frameChanged(frameColor());
}

void ColorPipeline::UpdateColor(const ChannelEdit &edit, const QObject *source)
{
    const RGBValues kept{RedOf(current), GreenOf(current), BlueOf(current)};
    const auto [first, second, third] = edit.values;
    RGBValues rgb = kept;
    switch (edit.source) {
    case ChangeSource::RgbBoxes:
    case ChangeSource::RgbSliders: rgb = {first, second, third}; break;
    case ChangeSource::HsvBoxes:
    case ChangeSource::HsvSliders:
    case ChangeSource::ValueSlider:
        // A hue above 360 has no colour; the current colour stays.
        rgb = HSVtoRGB(first, second, third).value_or(kept);
        break;
    case ChangeSource::Refresh:
    case ChangeSource::Magnifier: return;
    }
    change(ComposeColor(rgb.R, rgb.G, rgb.B), edit.alpha.value_or(currentAlpha), edit.source, source);
}

void ColorPipeline::applyColor(TColor c)
{
    applyColor(c, currentAlpha);
}

void ColorPipeline::applyColor(TColor c, int alpha)
{
    // A change that is not recorded ends the step in progress: the next
    // change must record the colour it starts from.
    step.reset();
    lastcolor = current;
    current = c;
    currentAlpha = alphamode ? alpha : 255;
    redrawFrame();
    const ChangeGuard held(*this);
    updatevalues(ChangeSource::Refresh, std::nullopt);
}

void ColorPipeline::changeColor(TColor c, std::optional<int> alpha)
{
    change(c, alpha.value_or(currentAlpha), ChangeSource::Refresh, nullptr);
}

void ColorPipeline::takeColor(TColor c, const QObject *source)
{
    change(c, currentAlpha, ChangeSource::Refresh, source);
}

void ColorPipeline::pickFromMagnifier(TColor c, const QObject *source)
{
    change(c, currentAlpha, ChangeSource::Magnifier, source);
}

void ColorPipeline::pickFromPicture(const PicturePick &pick, const QObject *source)
{
    change(pick.color, currentAlpha, static_cast<ChangeSource>(pick.updateColorSource), source, pick.sliders);
}

void ColorPipeline::change(TColor c, int alpha, ChangeSource shown, const QObject *source,
                           const std::optional<HsvPosition> &sliders)
{
    if (!alphamode)
        alpha = 255;
    setnewcolor(c, alpha, source);
    lastcolor = current;
    current = c;
    currentAlpha = alpha;
    redrawFrame();
    const ChangeGuard held(*this);
    updatevalues(shown, sliders);
}

void ColorPipeline::setnewcolor(TColor c, int alpha, const QObject *source)
{
    if (!step || step->source != source || !source)
        step = OpenStep{source, false};
    if (!step->recorded && HistoryEntry{c, alpha} != now()) {
        entries.recordUndo(now());
        step->recorded = true;
        emit historyChanged();
    }
    if (!source)
        step.reset();
}

void ColorPipeline::setoldcolor()
{
    entries.recordRedo(now());
}

void ColorPipeline::startChange(const QObject *source)
{
    step = OpenStep{source, false};
}

void ColorPipeline::finishChange(const QObject *source)
{
    if (step && step->source == source)
        step.reset();
}

void ColorPipeline::cancelChange(const QObject *source)
{
    if (!step || step->source != source)
        return;
    const bool recorded = step->recorded;
    step.reset();
    if (!recorded)
        return;
    restore(entries.popUndo());
    emit historyChanged();
}

void ColorPipeline::restore(const HistoryEntry &entry)
{
    applyColor(entry.color, entry.alpha);
}

void ColorPipeline::undo()
{
    if (!entries.canUndo())
        return;
    setoldcolor();
    restore(entries.popUndo());
    emit historyChanged();
}

void ColorPipeline::redo()
{
    if (!entries.canRedo())
        return;
    const HistoryEntry next = entries.popRedo();
    if (next != now())
        entries.recordUndo(now());
    restore(next);
    emit historyChanged();
}

void ColorPipeline::updatevalues(ChangeSource source)
{
    updatevalues(source, std::nullopt);
}

void ColorPipeline::updatevalues(ChangeSource source, const std::optional<HsvPosition> &sliders)
{
    emit valuesShown({current, currentAlpha, source, lastcolor != current, sliders});
}

} // namespace pigmentrix
