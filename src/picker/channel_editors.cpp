// The RGB, HSV and alpha editors: what each box and slider starts when the
// user changes it, and the alpha mode that swaps brightness for alpha.
#include "picker/channel_editors.h"

#include "displays/rgb_channel.h"
#include "displays/tracker.h"
#include "model/integer_text.h"
#include "model/rounding.h"
#include "picker/channel_rules.h"
#include "picker/color_pipeline.h"
#include "shell/window_layout.h"
#include "ui/control_factory.h"
#include "ui/error_guard.h"
#include "ui/menu_items.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include <algorithm>

namespace pigmentrix {
namespace {

// System colour number of the scroll-bar colour the tracks stand on.
constexpr TColor clScrollBar = static_cast<TColor>(0xFF000000);

int BoxNumber(const QLineEdit *box)
{
    return StrToIntOrZero(box->text().toStdString());
}

void WriteNumber(QLineEdit *box, long long value)
{
    box->setText(QString::number(value));
}

QLineEdit *MakeChannelBox(QWidget *parent, const char *name, const QString &hint, const QString &text,
                          const QRect &geometry)
{
    auto *box = new QLineEdit(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(hint);
    box->setAlignment(Qt::AlignCenter);
    box->setMaxLength(3);
    box->setGeometry(geometry);
    box->setTextMargins(0, 0, 0, 0);
    return box;
}

TJvTracker *MakeSlider(QWidget *parent, const char *name, int maximum, int value, const QRect &geometry,
                       TRGBChannel channel)
{
    auto *slider = new TJvTracker(parent);
    slider->setObjectName(QString::fromLatin1(name));
    slider->setMaximum(maximum);
    slider->setValue(value);
    slider->setBackColor(clScrollBar);
    slider->setThumbColor(0x00808080);
    slider->setThumbWidth(10);
    slider->setThumbHeight(16);
    slider->setTrackHeight(8);
    slider->setGeometry(geometry);
    slider->setChannel(channel);
    return slider;
}

QRect ToQRect(const PanelRect &r)
{
    return {r.left, r.top, r.width, r.height};
}

} // namespace

ChannelEditors::ChannelEditors(QWidget *window, ColorPipeline &pipeline, const ErrorGuard &guard)
    : QObject(window)
    , pipeline(pipeline)
    , guard(guard)
{
    setObjectName(QStringLiteral("channelEditors"));
    buildRgbPanel(window);
    buildHsvPanel(window);
    fitCaptions(alphamode);
    connectHandlers();
}

void ChannelEditors::buildRgbPanel(QWidget *window)
{
    pnlRGB = MakePanel(window, "pnlRGB", QRect(101, 3, 208, 106));
    lblRed = MakeLabel(pnlRGB, "lblRed", QStringLiteral("Red"), QPoint(3, 10));
    lblGreen = MakeLabel(pnlRGB, "lblGreen", QStringLiteral("Green"), QPoint(3, 35));
    lblBlue = MakeLabel(pnlRGB, "lblBlue", QStringLiteral("Blue"), QPoint(3, 60));
    lblAlpha = MakeLabel(pnlRGB, "lblAlpha", QStringLiteral("Alpha"), QPoint(3, 85));
    edtRed = MakeChannelBox(pnlRGB, "edtRed", QStringLiteral("Red Value"), QStringLiteral("0"), QRect(36, 8, 31, 19));
    edtGreen =
        MakeChannelBox(pnlRGB, "edtGreen", QStringLiteral("Green Value"), QStringLiteral("0"), QRect(36, 33, 31, 19));
    edtBlue =
        MakeChannelBox(pnlRGB, "edtBlue", QStringLiteral("Blue Value"), QStringLiteral("0"), QRect(36, 58, 31, 19));
    edtAlpha = MakeChannelBox(pnlRGB, "edtAlpha", QStringLiteral("Alpha Value (Transparency)"), QStringLiteral("255"),
                              QRect(36, 83, 31, 19));
    scrollbarred = MakeSlider(pnlRGB, "scrollbarred", 255, 0, QRect(71, 8, 136, 21), rcRed);
    scrollbarGreen = MakeSlider(pnlRGB, "scrollbarGreen", 255, 0, QRect(71, 32, 136, 21), rcGreen);
    scrollbarBlue = MakeSlider(pnlRGB, "scrollbarBlue", 255, 0, QRect(71, 57, 136, 21), rcBlue);
    scrollbarBrightness = MakeSlider(pnlRGB, "scrollbarBrightness", 255, 40, QRect(71, 81, 133, 21), rcBrightness);
    scrollbarAlpha = MakeSlider(pnlRGB, "scrollbarAlpha", 255, 255, QRect(71, 81, 136, 21), rcAlpha);

    SetTabChain({edtRed, edtGreen, edtBlue, edtAlpha, scrollbarred, scrollbarGreen, scrollbarBlue, scrollbarBrightness,
                 scrollbarAlpha});
}

void ChannelEditors::fitCaptions(bool alphaShown)
{
    // Each caption ends a pixel before its box (the brightness caption,
    // without a box, before its slider).
    const auto before = [](QLabel *label, const QWidget *next) { return Caption{label, next->x() - label->x() - 1}; };
    FitCaptions({before(lblRed, edtRed), before(lblGreen, edtGreen), before(lblBlue, edtBlue),
                 before(lblAlpha, alphaShown ? static_cast<QWidget *>(edtAlpha) : scrollbarBrightness),
                 before(lblHue, edtHue), before(lblSaturation, edtSaturation), before(lblValue, edtValue)});
}

void ChannelEditors::buildHsvPanel(QWidget *window)
{
    pnlHSV = MakePanel(window, "pnlHSV", QRect(101, 111, 208, 81));
    lblHue = MakeLabel(pnlHSV, "lblHue", QStringLiteral("Hue"), QPoint(4, 10));
    lblSaturation = MakeLabel(pnlHSV, "lblSaturation", QStringLiteral("Satur."), QPoint(3, 35));
    lblValue = MakeLabel(pnlHSV, "lblValue", QStringLiteral("Value"), QPoint(3, 60));
    edtHue = MakeChannelBox(pnlHSV, "edtHue", QStringLiteral("Hue Value"), QStringLiteral("0"), QRect(36, 8, 29, 19));
    edtSaturation = MakeChannelBox(pnlHSV, "edtSaturation", QStringLiteral("Saturation Value"), QStringLiteral("0"),
                                   QRect(36, 33, 29, 19));
    edtValue = MakeChannelBox(pnlHSV, "edtValue", QStringLiteral("Value"), QStringLiteral("0"), QRect(36, 58, 29, 19));
    scrollbarHue = MakeSlider(pnlHSV, "scrollbarHue", 360, 0, QRect(71, 7, 136, 21), rcHue);
    scrollbarSaturation = MakeSlider(pnlHSV, "scrollbarSaturation", 255, 0, QRect(71, 32, 136, 21), rcSaturation);
    scrollbarValue = MakeSlider(pnlHSV, "scrollbarValue", 255, 0, QRect(71, 57, 136, 21), rcValue);

    SetTabChain({edtHue, edtSaturation, edtValue, scrollbarHue, scrollbarSaturation, scrollbarValue});
}

void ChannelEditors::addMenuItems(QMenu *menu)
{
    UseAlphaChannels1 =
        AddCheckItem(menu, QStringLiteral("UseAlphaChannels1"), QStringLiteral("Use Alpha Channels"), alphamode);
    guard.connect(UseAlphaChannels1, &QAction::triggered, this, [this] { UseAlphaChannels1Click(); });
}

void ChannelEditors::connectHandlers()
{
    const auto whenEnabled = [this](void (ChannelEditors::*handler)()) {
        return [this, handler] {
            if (pipeline.changesEnabled())
                (this->*handler)();
        };
    };
    for (QLineEdit *box : {edtRed, edtGreen, edtBlue})
        guard.connect(box, &QLineEdit::textChanged, this, whenEnabled(&ChannelEditors::CurrencyEdit13Change));
    for (QLineEdit *box : {edtHue, edtSaturation, edtValue})
        guard.connect(box, &QLineEdit::textChanged, this, whenEnabled(&ChannelEditors::CurrencyEdit4Change));
    // The alpha box stays attached while the pipeline writes the editors.
    guard.connect(edtAlpha, &QLineEdit::textChanged, this, [this] { edtAlphaChange(); });

    const auto onSlider = [&](TJvTracker *slider, void (ChannelEditors::*handler)()) {
        guard.connect(slider, &TJvTracker::changedValue, this, whenEnabled(handler));
    };
    onSlider(scrollbarred, &ChannelEditors::scrollbarredChangedValue);
    onSlider(scrollbarGreen, &ChannelEditors::scrollbarredChangedValue);
    onSlider(scrollbarBlue, &ChannelEditors::scrollbarredChangedValue);
    onSlider(scrollbarBrightness, &ChannelEditors::scrollbarBrightnessChangedValue);
    onSlider(scrollbarAlpha, &ChannelEditors::scrollbarAlphaChangedValue);
    onSlider(scrollbarHue, &ChannelEditors::scrollbarHueChangedValue);
    onSlider(scrollbarSaturation, &ChannelEditors::scrollbarHueChangedValue);
    onSlider(scrollbarValue, &ChannelEditors::scrollbarValueChangedValue);

    for (QLineEdit *box : boxes())
        box->installEventFilter(this);
}

std::array<TJvTracker *, 8> ChannelEditors::sliders() const
{
    return {scrollbarred,   scrollbarGreen, scrollbarBlue,       scrollbarBrightness,
            scrollbarAlpha, scrollbarHue,   scrollbarSaturation, scrollbarValue};
}

std::array<QLineEdit *, 7> ChannelEditors::boxes() const
{
    return {edtRed, edtGreen, edtBlue, edtAlpha, edtHue, edtSaturation, edtValue};
}

bool ChannelEditors::isChannelBox(const QObject *object) const
{
    const auto all = boxes();
    return std::find(all.begin(), all.end(), object) != all.end();
}

bool ChannelEditors::eventFilter(QObject *watched, QEvent *event)
{
    auto *box = qobject_cast<QLineEdit *>(watched);
    if (!box || !isChannelBox(box))
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        // Digits only, and the keys that move or delete.
        const auto *key = static_cast<QKeyEvent *>(event);
        const QString text = key->text();
        const bool passes = text.isEmpty() || key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete
                            || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab
                            || (text.size() == 1 && text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('9'));
        if (!passes)
            return true;
    } else if (event->type() == QEvent::FocusOut) {
        // Only when the user leaves the box: a menu, a message box or another
        // window taking the focus for a while leaves the text as typed.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            guard.run([this, box] { edtRedExit(box); });
    }
    return QObject::eventFilter(watched, event);
}

int ChannelEditors::alpha() const
{
    return scrollbarAlpha->Value();
}

void ChannelEditors::setAlpha(int value)
{
    scrollbarAlpha->setValue(value);
    // The box shows what the slider holds; its own handler has nothing to do.
    const QSignalBlocker quiet(edtAlpha);
    edtAlpha->setText(QString::number(scrollbarAlpha->Value()));
}

RGBValues ChannelEditors::rgbBoxes() const
{
    return {BoxNumber(edtRed), BoxNumber(edtGreen), BoxNumber(edtBlue)};
}

RGBValues ChannelEditors::rgbSliders() const
{
    return {scrollbarred->Value(), scrollbarGreen->Value(), scrollbarBlue->Value()};
}

HSVValues ChannelEditors::hsvBoxes() const
{
    return {static_cast<double>(BoxNumber(edtHue)), static_cast<double>(BoxNumber(edtSaturation)),
            static_cast<double>(BoxNumber(edtValue))};
}

int ChannelEditors::hueSlider() const
{
    return scrollbarHue->Value();
}

int ChannelEditors::saturationSlider() const
{
    return scrollbarSaturation->Value();
}

int ChannelEditors::valueSlider() const
{
    return scrollbarValue->Value();
}

void ChannelEditors::setHsvSliders(std::optional<int> hue, std::optional<int> saturation, std::optional<int> value)
{
    if (hue)
        scrollbarHue->setValue(*hue);
    if (saturation)
        scrollbarSaturation->setValue(*saturation);
    if (value)
        scrollbarValue->setValue(*value);
}

void ChannelEditors::showValues(TColor color, ChangeSource source)
{
    if (source != ChangeSource::RgbBoxes) {
        WriteNumber(edtRed, RedOf(color));
        WriteNumber(edtGreen, GreenOf(color));
        WriteNumber(edtBlue, BlueOf(color));
    }
    const int r = BoxNumber(edtRed);
    const int g = BoxNumber(edtGreen);
    const int b = BoxNumber(edtBlue);
    if (source != ChangeSource::RgbSliders) {
        scrollbarred->setValue(r);
        scrollbarGreen->setValue(g);
        scrollbarBlue->setValue(b);
    }
    scrollbarBrightness->setValue(static_cast<int>(Trunc((r + g + b) / 3.0)));

    HSVValues hsv;
    switch (source) {
    case ChangeSource::HsvBoxes: hsv = hsvBoxes(); break;
    case ChangeSource::HsvSliders:
        hsv = {static_cast<double>(scrollbarHue->Value()), static_cast<double>(scrollbarSaturation->Value()),
               static_cast<double>(scrollbarValue->Value())};
        break;
    case ChangeSource::ValueSlider:
        WriteNumber(edtHue, scrollbarHue->Value());
        WriteNumber(edtSaturation, scrollbarSaturation->Value());
        WriteNumber(edtValue, scrollbarValue->Value());
        break;
    default: hsv = RGBtoHSV(r, g, b); break;
    }
    if (source != ChangeSource::HsvBoxes && source != ChangeSource::ValueSlider) {
        WriteNumber(edtHue, Round(hsv.H));
        WriteNumber(edtSaturation, Round(hsv.S));
        WriteNumber(edtValue, Round(hsv.V));
    }
    if (source != ChangeSource::HsvSliders && source != ChangeSource::ValueSlider) {
        scrollbarHue->setValue(static_cast<int>(Round(hsv.H)));
        scrollbarSaturation->setValue(static_cast<int>(Round(hsv.S)));
        scrollbarValue->setValue(static_cast<int>(Round(hsv.V)));
    }
}

bool ChannelEditors::trackBasesStale() const
{
    return scrollbarGreen->BaseR != (scrollbarred->Value() & 0xFF)
           || scrollbarred->BaseG != (scrollbarGreen->Value() & 0xFF)
           || scrollbarred->BaseB != (scrollbarBlue->Value() & 0xFF)
           || scrollbarSaturation->BaseH != scrollbarHue->Value()
           || scrollbarHue->BaseS != (scrollbarSaturation->Value() & 0xFF)
           || scrollbarHue->BaseV != (scrollbarValue->Value() & 0xFF);
}

void ChannelEditors::UpdateRGBRectangles()
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

void ChannelEditors::applyLayout(const LayoutGeometry &geometry, int nudge)
{
    pnlRGB->setGeometry(ToQRect(geometry.rgb));
    pnlHSV->setGeometry(ToQRect(geometry.hsv));
    for (TJvTracker *slider :
         {scrollbarred, scrollbarGreen, scrollbarBlue, scrollbarHue, scrollbarSaturation, scrollbarValue})
        slider->setVisible(geometry.detailsVisible);
    if (nudge == 0)
        return;
    for (QWidget *row : std::initializer_list<QWidget *>{edtRed, edtGreen, edtBlue, lblRed, lblGreen, lblBlue, edtHue,
                                                         edtSaturation, edtValue, lblHue, lblSaturation, lblValue})
        row->move(row->x(), row->y() + nudge);
}

bool ChannelEditors::stepByWheel(QWidget *target, bool up)
{
    for (TJvTracker *slider : sliders()) {
        if (slider != target)
            continue;
        slider->setValue(slider->Value() + (up ? 1 : -1));
        if (!pipeline.changesEnabled())
            return true;
        guard.run([this, slider] {
            if (slider == scrollbarred || slider == scrollbarGreen || slider == scrollbarBlue)
                scrollbarredChangedValue();
            else if (slider == scrollbarBrightness)
                scrollbarBrightnessChangedValue();
            else if (slider == scrollbarAlpha)
                scrollbarAlphaChangedValue();
            else if (slider == scrollbarHue || slider == scrollbarSaturation)
                scrollbarHueChangedValue();
            else
                scrollbarValueChangedValue();
        });
        return true;
    }
    auto *box = qobject_cast<QLineEdit *>(target);
    if (!box || !isChannelBox(box))
        return false;
    StepNumberBox(box, up);
    return true;
}

void ChannelEditors::CurrencyEdit13Change()
{
    pipeline.UpdateColor(ChangeSource::RgbBoxes);
}

void ChannelEditors::CurrencyEdit4Change()
{
    pipeline.UpdateColor(ChangeSource::HsvBoxes);
}

void ChannelEditors::scrollbarredChangedValue()
{
    pipeline.UpdateColor(ChangeSource::RgbSliders);
}

void ChannelEditors::scrollbarHueChangedValue()
{
    pipeline.UpdateColor(ChangeSource::HsvSliders);
}

void ChannelEditors::scrollbarValueChangedValue()
{
    pipeline.UpdateColor(ChangeSource::ValueSlider);
}

void ChannelEditors::scrollbarBrightnessChangedValue()
{
    ScrollBarBrightnessChange();
}

void ChannelEditors::scrollbarAlphaChangedValue()
{
    ScrollBarAlphaChange();
}

void ChannelEditors::edtRedExit(QLineEdit *box)
{
    const int limit = box == edtHue ? 360 : 255;
    box->setText(QString::fromStdString(NormalizedChannelText(box->text().toStdString(), limit)));
}

void ChannelEditors::edtAlphaChange()
{
    scrollbarAlpha->setValue(StrToIntOrZero(edtAlpha->text().toStdString()));
    pipeline.UpdateColor(ChangeSource::RgbBoxes);
}

void ChannelEditors::ScrollBarAlphaChange()
{
    edtAlpha->setText(QString::number(scrollbarAlpha->Value()));
    pipeline.UpdateColor(ChangeSource::RgbSliders);
}

void ChannelEditors::ScrollBarBrightnessChange()
{
    const RGBSliderValues now{scrollbarred->Value(), scrollbarGreen->Value(), scrollbarBlue->Value()};
    {
        const auto held = pipeline.disablechanges();
        const RGBSliderValues reached = ApplyBrightness(now, scrollbarBrightness->Value());
        scrollbarred->setValue(reached.red);
        scrollbarGreen->setValue(reached.green);
        scrollbarBlue->setValue(reached.blue);
    }
    pipeline.UpdateColor(ChangeSource::RgbSliders);
}

void ChannelEditors::setAlphaMode(bool isAlpha)
{
    alphamode = isAlpha;
    if (UseAlphaChannels1)
        UseAlphaChannels1->setChecked(isAlpha);
    ChangeAlphaMode(isAlpha);
}

void ChannelEditors::ChangeAlphaMode(bool isAlpha)
{
    scrollbarBrightness->setVisible(!isAlpha);
    scrollbarAlpha->setVisible(isAlpha);
    edtAlpha->setVisible(isAlpha);
    lblAlpha->setText(isAlpha ? QStringLiteral("Alpha") : QStringLiteral("Brightness"));
    fitCaptions(isAlpha);
    if (isAlpha)
        UpdateRGBRectangles();
}

void ChannelEditors::UseAlphaChannels1Click()
{
    alphamode = UseAlphaChannels1->isChecked();
    ChangeAlphaMode(alphamode);
    if (!alphamode)
        setAlpha(255);
    pipeline.UpdateColor(ChangeSource::HsvSliders);
}

} // namespace pigmentrix
