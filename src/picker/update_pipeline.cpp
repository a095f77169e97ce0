// The update pipeline: every change of the current colour ends here, and
// every editor is refreshed from the colour with its change handler held off.
#include "picker/color_pick_window.h"

#include "displays/color_frame.h"
#include "displays/hsv_pictures.h"
#include "displays/tracker.h"
#include "model/conversions.h"
#include "model/integer_text.h"
#include "model/rounding.h"
#include "picker/color_frame_panel.h"

#include <QAction>
#include <QLineEdit>

namespace pigmentrix {
namespace {

int BoxNumber(const QLineEdit *box)
{
    return StrToIntOrZero(box->text().toStdString());
}

void WriteNumber(QLineEdit *box, long long value)
{
    box->setText(QString::number(value));
}

} // namespace

void TfrmColorPick::disablechanges()
{
    ++changesDisabledDepth;
}

void TfrmColorPick::enablechanges()
{
    changesDisabledDepth = 0;
}

void TfrmColorPick::applyColor(TColor c)
{
    pnlColor->Color = c;
    UpdatePanel(RedOf(c), GreenOf(c), BlueOf(c), scrollbarAlpha->Value());
    disablechanges();
    updatevalues(0);
    enablechanges();
}

void TfrmColorPick::UpdateColor(int ctype)
{
    lastcolor = pnlColor->Color;
    int R = 0;
    int G = 0;
    int B = 0;
    switch (ctype) {
    case 2:
        R = BoxNumber(edtRed);
        G = BoxNumber(edtGreen);
        B = BoxNumber(edtBlue);
        break;
    case 3:
        R = scrollbarred->Value();
        G = scrollbarGreen->Value();
        B = scrollbarBlue->Value();
        break;
    case 4: {
        // A hue above 360 has no colour; the current colour stays.
        const std::optional<RGBValues> rgb = HSVtoRGB(BoxNumber(edtHue), BoxNumber(edtSaturation), BoxNumber(edtValue));
        const RGBValues kept{RedOf(lastcolor), GreenOf(lastcolor), BlueOf(lastcolor)};
        const RGBValues chosen = rgb.value_or(kept);
        R = chosen.R;
        G = chosen.G;
        B = chosen.B;
        break;
    }
    case 5:
    case 9: {
        const std::optional<RGBValues> rgb =
            HSVtoRGB(scrollbarHue->Value(), scrollbarSaturation->Value(), scrollbarValue->Value());
        const RGBValues chosen = rgb.value_or(RGBValues{RedOf(lastcolor), GreenOf(lastcolor), BlueOf(lastcolor)});
        R = chosen.R;
        G = chosen.G;
        B = chosen.B;
        break;
    }
    case 6:
        R = RedOf(edtColorTag);
        G = GreenOf(edtColorTag);
        B = BlueOf(edtColorTag);
        break;
    default:
        return;
    }
    pnlColor->Color = ctype == 6 ? edtColorTag : ComposeColor(R, G, B);
    UpdatePanel(R, G, B, scrollbarAlpha->Value());
    disablechanges();
    updatevalues(ctype);
    enablechanges();
}

void TfrmColorPick::updatevalues(int ctype)
{
    const TColor color = pnlColor->Color;
    if (ctype != 2) {
        WriteNumber(edtRed, RedOf(color));
        WriteNumber(edtGreen, GreenOf(color));
        WriteNumber(edtBlue, BlueOf(color));
    }
    const int r = BoxNumber(edtRed);
    const int g = BoxNumber(edtGreen);
    const int b = BoxNumber(edtBlue);
    if (ctype != 3) {
        scrollbarred->setValue(r);
        scrollbarGreen->setValue(g);
        scrollbarBlue->setValue(b);
    }
    scrollbarBrightness->setValue(static_cast<int>(Trunc((r + g + b) / 3.0)));

    HSVValues hsv;
    switch (ctype) {
    case 4:
        hsv = {static_cast<double>(BoxNumber(edtHue)), static_cast<double>(BoxNumber(edtSaturation)),
               static_cast<double>(BoxNumber(edtValue))};
        break;
    case 5:
        hsv = {static_cast<double>(scrollbarHue->Value()), static_cast<double>(scrollbarSaturation->Value()),
               static_cast<double>(scrollbarValue->Value())};
        break;
    case 9:
        WriteNumber(edtHue, scrollbarHue->Value());
        WriteNumber(edtSaturation, scrollbarSaturation->Value());
        WriteNumber(edtValue, scrollbarValue->Value());
        break;
    default:
        hsv = RGBtoHSV(r, g, b);
        break;
    }
    if (ctype != 4 && ctype != 9) {
        WriteNumber(edtHue, Round(hsv.H));
        WriteNumber(edtSaturation, Round(hsv.S));
        WriteNumber(edtValue, Round(hsv.V));
    }
    if (ctype != 5 && ctype != 9) {
        scrollbarHue->setValue(static_cast<int>(Round(hsv.H)));
        scrollbarSaturation->setValue(static_cast<int>(Round(hsv.S)));
        scrollbarValue->setValue(static_cast<int>(Round(hsv.V)));
    }
    updateNamedColorSelection();

    // Undo or redo can bring back lastcolor itself after a slider move; the
    // tracks must still show the colour in force.
    if (lastcolor != pnlColor->Color || scrollbarSaturation->Value() == 0 || trackBasesStale())
        UpdateRGBRectangles();
    // Asked apart from the test above: undo or redo can bring back lastcolor
    // itself after a slider move, and the picture must still follow.
    if (PictureNeedsRebuild(odisplaymode, scrollbarHue->Value(), scrollbarValue->Value(), cHue, cVal))
        UpdateCircle();

    edtColor->setText(getcolorstring(pnlColor->Color));
}

bool TfrmColorPick::trackBasesStale() const
{
    return scrollbarGreen->BaseR != (scrollbarred->Value() & 0xFF) || scrollbarred->BaseG != (scrollbarGreen->Value() & 0xFF)
           || scrollbarred->BaseB != (scrollbarBlue->Value() & 0xFF) || scrollbarSaturation->BaseH != scrollbarHue->Value()
           || scrollbarHue->BaseS != (scrollbarSaturation->Value() & 0xFF)
           || scrollbarHue->BaseV != (scrollbarValue->Value() & 0xFF);
}

void TfrmColorPick::UpdateRGBRectangles()
{
    const auto R = static_cast<std::uint8_t>(scrollbarred->Value());
    const auto G = static_cast<std::uint8_t>(scrollbarGreen->Value());
    const auto B = static_cast<std::uint8_t>(scrollbarBlue->Value());
    const auto H = static_cast<std::uint16_t>(scrollbarHue->Value());
    const auto S = static_cast<std::uint8_t>(scrollbarSaturation->Value());
    const auto V = static_cast<std::uint8_t>(scrollbarValue->Value());
    for (TJvTracker *slider : {scrollbarred, scrollbarGreen, scrollbarBlue, scrollbarBrightness, scrollbarAlpha}) {
        slider->BaseR = R;
        slider->BaseG = G;
        slider->BaseB = B;
    }
    for (TJvTracker *slider : {scrollbarHue, scrollbarSaturation, scrollbarValue}) {
        slider->BaseH = H;
        slider->BaseS = S;
        slider->BaseV = V;
    }
    for (TJvTracker *slider : sliders())
        slider->update();
}

void TfrmColorPick::UpdatePanel(int, int, int, int Alpha)
{
    ColorFrameParams frame;
    frame.size = pnlColor->size();
    frame.color = pnlColor->Color;
    frame.alpha = Alpha;
    frame.alphaOld = alphaold;
    frame.alphaMode = alphamode;
    frame.useText = UseText->isChecked();
    frame.caption = pnlColor->Caption;
    frame.font = pnlColor->Font;
    frame.textColor = pnlColor->FontColor;
    const ColorFrame drawn = BuildColorFrame(frame);
    pnlColor->setPicture(drawn.image);
    alphaold = drawn.alphaOld;
}

} // namespace pigmentrix
