// The update pipeline: every change of the current colour ends here, and
// every editor is refreshed from the colour with its change handlers held off.
#include "picker/color_pipeline.h"

#include "displays/picture_mapping.h"
#include "model/conversions.h"
#include "picker/channel_editors.h"

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

void ColorPipeline::attachEditors(ChannelEditors &channelEditors)
{
    editors = &channelEditors;
}

int ColorPipeline::alpha() const
{
    return editors->alpha();
}

void ColorPipeline::setAlpha(int value)
{
    editors->setAlpha(value);
}

FrameColor ColorPipeline::frameColor() const
{
    return {current, editors->alpha(), editors->alphaMode()};
}

void ColorPipeline::redrawFrame()
{
    emit frameChanged(frameColor());
}

void ColorPipeline::applyColor(TColor c)
{
    current = c;
    redrawFrame();
    const ChangeGuard held(*this);
    updatevalues(ChangeSource::Refresh);
}

void ColorPipeline::takeColor(TColor c)
{
    markLastColor();
    applyColor(c);
}

void ColorPipeline::pickFromMagnifier(TColor c)
{
    edtColorTag = c;
    UpdateColor(ChangeSource::Magnifier);
}

void ColorPipeline::takePictureWrites(const PictureSliderWrites &writes)
{
    if (!writes.updateColorSource)
        return;
    editors->setHsvSliders(writes.hue, writes.saturation, writes.value);
    UpdateColor(static_cast<ChangeSource>(*writes.updateColorSource));
}

void ColorPipeline::resetAlpha()
{
    if (editors->alpha() == 255)
        return;
    editors->setAlpha(255);
    UpdateColor(ChangeSource::HsvSliders);
}

void ColorPipeline::UpdateColor(ChangeSource source)
{
    lastcolor = current;
    const RGBValues kept{RedOf(lastcolor), GreenOf(lastcolor), BlueOf(lastcolor)};
    switch (source) {
    case ChangeSource::RgbBoxes: {
        const RGBValues rgb = editors->rgbBoxes();
        current = ComposeColor(rgb.R, rgb.G, rgb.B);
        break;
    }
    case ChangeSource::RgbSliders: {
        const RGBValues rgb = editors->rgbSliders();
        current = ComposeColor(rgb.R, rgb.G, rgb.B);
        break;
    }
    case ChangeSource::HsvBoxes: {
        // A hue above 360 has no colour; the current colour stays.
        const HSVValues hsv = editors->hsvBoxes();
        const RGBValues rgb = HSVtoRGB(hsv.H, hsv.S, hsv.V).value_or(kept);
        current = ComposeColor(rgb.R, rgb.G, rgb.B);
        break;
    }
    case ChangeSource::HsvSliders:
    case ChangeSource::ValueSlider: {
        const RGBValues rgb =
            HSVtoRGB(editors->hueSlider(), editors->saturationSlider(), editors->valueSlider()).value_or(kept);
        current = ComposeColor(rgb.R, rgb.G, rgb.B);
        break;
    }
    case ChangeSource::Magnifier: current = edtColorTag; break;
    case ChangeSource::Refresh: return;
    }
    redrawFrame();
    const ChangeGuard held(*this);
    updatevalues(source);
}

void ColorPipeline::updatevalues(ChangeSource source)
{
    editors->showValues(current, source);
    // Undo or redo can bring back lastcolor itself after a slider move; the
    // tracks must still show the colour in force.
    if (lastcolor != current || editors->saturationSlider() == 0 || editors->trackBasesStale())
        editors->UpdateRGBRectangles();
    emit valuesShown({current, editors->hueSlider(), editors->saturationSlider(), editors->valueSlider()});
}

} // namespace pigmentrix
