// The RGB, HSV and alpha editors: what each box and slider starts when the
// user changes it, and the alpha mode that swaps brightness for alpha.
#include "picker/color_pick_window.h"

#include "displays/tracker.h"
#include "model/integer_text.h"
#include "picker/channel_rules.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

namespace pigmentrix {

void TfrmColorPick::connectEditors()
{
    const auto onBox = [this](QLineEdit *box, void (TfrmColorPick::*handler)()) {
        connect(box, &QLineEdit::textChanged, this, [this, handler] {
            if (changesEnabled())
                runGuarded([this, handler] { (this->*handler)(); });
        });
    };
    for (QLineEdit *box : {edtRed, edtGreen, edtBlue})
        onBox(box, &TfrmColorPick::CurrencyEdit13Change);
    for (QLineEdit *box : {edtHue, edtSaturation, edtValue})
        onBox(box, &TfrmColorPick::CurrencyEdit4Change);
    // The alpha box stays attached while the pipeline writes the editors.
    connect(edtAlpha, &QLineEdit::textChanged, this, [this] { runGuarded([this] { edtAlphaChange(); }); });

    const auto onSlider = [this](TJvTracker *slider, void (TfrmColorPick::*handler)()) {
        connect(slider, &TJvTracker::changedValue, this, [this, handler] {
            if (changesEnabled())
                runGuarded([this, handler] { (this->*handler)(); });
        });
    };
    onSlider(scrollbarred, &TfrmColorPick::scrollbarredChangedValue);
    onSlider(scrollbarGreen, &TfrmColorPick::scrollbarredChangedValue);
    onSlider(scrollbarBlue, &TfrmColorPick::scrollbarredChangedValue);
    onSlider(scrollbarBrightness, &TfrmColorPick::scrollbarBrightnessChangedValue);
    onSlider(scrollbarAlpha, &TfrmColorPick::scrollbarAlphaChangedValue);
    onSlider(scrollbarHue, &TfrmColorPick::scrollbarHueChangedValue);
    onSlider(scrollbarSaturation, &TfrmColorPick::scrollbarHueChangedValue);
    onSlider(scrollbarValue, &TfrmColorPick::scrollbarValueChangedValue);
}

void TfrmColorPick::CurrencyEdit13Change()
{
    UpdateColor(2);
}

void TfrmColorPick::CurrencyEdit4Change()
{
    UpdateColor(4);
}

void TfrmColorPick::scrollbarredChangedValue()
{
    UpdateColor(3);
}

void TfrmColorPick::scrollbarHueChangedValue()
{
    UpdateColor(5);
}

void TfrmColorPick::scrollbarValueChangedValue()
{
    UpdateColor(9);
}

void TfrmColorPick::scrollbarBrightnessChangedValue()
{
    ScrollBarBrightnessChange();
}

void TfrmColorPick::scrollbarAlphaChangedValue()
{
    ScrollBarAlphaChange();
}

void TfrmColorPick::edtRedExit(QLineEdit *box)
{
    const int limit = box == edtHue ? 360 : 255;
    box->setText(QString::fromStdString(NormalizedChannelText(box->text().toStdString(), limit)));
}

void TfrmColorPick::edtAlphaChange()
{
    scrollbarAlpha->setValue(StrToIntOrZero(edtAlpha->text().toStdString()));
    UpdateColor(2);
}

void TfrmColorPick::ScrollBarAlphaChange()
{
    edtAlpha->setText(QString::number(scrollbarAlpha->Value()));
    UpdateColor(3);
}

void TfrmColorPick::ScrollBarBrightnessChange()
{
    const RGBSliderValues now{scrollbarred->Value(), scrollbarGreen->Value(), scrollbarBlue->Value()};
    disablechanges();
    const RGBSliderValues reached = ApplyBrightness(now, scrollbarBrightness->Value());
    scrollbarred->setValue(reached.red);
    scrollbarGreen->setValue(reached.green);
    scrollbarBlue->setValue(reached.blue);
    enablechanges();
    UpdateColor(3);
}

void TfrmColorPick::ChangeAlphaMode(bool isAlpha)
{
    scrollbarBrightness->setVisible(!isAlpha);
    scrollbarAlpha->setVisible(isAlpha);
    edtAlpha->setVisible(isAlpha);
    lblAlpha->setText(isAlpha ? QStringLiteral("Alpha") : QStringLiteral("Brightness"));
    lblAlpha->adjustSize();
    if (isAlpha)
        UpdateRGBRectangles();
}

void TfrmColorPick::UseAlphaChannels1Click()
{
    alphamode = UseAlphaChannels1->isChecked();
    ChangeAlphaMode(alphamode);
    if (!alphamode)
        scrollbarAlpha->setValue(255);
    UpdateColor(5);
}

} // namespace pigmentrix
