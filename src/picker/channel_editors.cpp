// The RGB, HSV and alpha editors: what each box and slider starts when the
// user changes it, and the alpha mode that swaps brightness for alpha.
#include "picker/channel_editors.h"

#include "displays/rgb_channel.h"
#include "displays/tracker.h"
#include "model/integer_text.h"
#include "model/rounding.h"
#include "picker/channel_rules.h"
#include "picker/channel_text_validator.h"
#include "picker/color_pipeline.h"
#include "shell/window_layout.h"
#include "ui/accessibility.h"
#include "ui/control_factory.h"
#include "ui/error_guard.h"
#include "ui/menu_items.h"
#include "ui/window_geometry.h"

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
    pnlRGB = MakePanel(window, "pnlRGB", ToQRect(design::RgbPanel));
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
    NameControl(edtRed, QStringLiteral("Red"), lblRed);
    NameControl(edtGreen, QStringLiteral("Green"), lblGreen);
    NameControl(edtBlue, QStringLiteral("Blue"), lblBlue);
    NameControl(edtAlpha, QStringLiteral("Alpha"), lblAlpha);
    NameControl(scrollbarred, QStringLiteral("Red slider"));
    NameControl(scrollbarGreen, QStringLiteral("Green slider"));
    NameControl(scrollbarBlue, QStringLiteral("Blue slider"));
    NameControl(scrollbarBrightness, QStringLiteral("Brightness slider"));
    NameControl(scrollbarAlpha, QStringLiteral("Alpha slider"));
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
    pnlHSV = MakePanel(window, "pnlHSV", ToQRect(design::HsvPanel));
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
    NameControl(edtHue, QStringLiteral("Hue"), lblHue);
    NameControl(edtSaturation, QStringLiteral("Saturation"), lblSaturation);
    NameControl(edtValue, QStringLiteral("Value"), lblValue);
    NameControl(scrollbarHue, QStringLiteral("Hue slider"));
    NameControl(scrollbarSaturation, QStringLiteral("Saturation slider"));
    NameControl(scrollbarValue, QStringLiteral("Value slider"));
}

void ChannelEditors::addMenuItems(QMenu *menu)
{
    UseAlphaChannels1 =
        AddCheckItem(menu, QStringLiteral("UseAlphaChannels1"), QStringLiteral("Use Alpha Channels"), alphamode);
    guard.connect(UseAlphaChannels1, &QAction::triggered, this, [this] { UseAlphaChannels1Click(); });
}

void ChannelEditors::connectHandlers()
{
    // The alpha box stays attached while the pipeline writes the editors
    // (which write it quietly).
    guard.connect(edtAlpha, &QLineEdit::textChanged, this, [this] { edtAlphaChange(); });
    for (QLineEdit *box : {edtRed, edtGreen, edtBlue, edtHue, edtSaturation, edtValue}) {
        const bool rgb = box == edtRed || box == edtGreen || box == edtBlue;
        guard.connect(box, &QLineEdit::textChanged, this, [this, box, rgb] {
            if (!pipeline.changesEnabled())
                return;
            if (rgb)
                CurrencyEdit13Change(box);
            else
                CurrencyEdit4Change(box);
        });
    }
    for (TJvTracker *slider : sliders()) {
        guard.connect(slider, &TJvTracker::changedValue, this, [this, slider] {
            if (pipeline.changesEnabled())
                runSliderHandler(slider);
        });
        slider->installEventFilter(this);
    }
    for (QLineEdit *box : boxes()) {
        box->installEventFilter(this);
        box->setValidator(new ChannelTextValidator(box, [this](const QString &text) {
            guard.report(QString::fromStdString(InvalidIntegerMessage(text.toStdString())));
        }));
    }
}

void ChannelEditors::runSliderHandler(TJvTracker *slider)
{
    if (slider == scrollbarred || slider == scrollbarGreen || slider == scrollbarBlue)
        scrollbarredChangedValue(slider);
    else if (slider == scrollbarBrightness)
        scrollbarBrightnessChangedValue();
    else if (slider == scrollbarAlpha)
        scrollbarAlphaChangedValue();
    else if (slider == scrollbarHue || slider == scrollbarSaturation)
        scrollbarHueChangedValue(slider);
    else
        scrollbarValueChangedValue(slider);
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
    // An editor the user enters starts an undo step of its own, one a box
    // or a run of keys on a slider keeps until the user leaves it; a drag
    // from press to release is one too. A menu or another window taking the
    // focus for a while does not count.
    const auto userMovedFocus = [event] {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
    };
    if (auto *slider = qobject_cast<TJvTracker *>(watched)) {
        if (event->type() == QEvent::MouseButtonPress || (event->type() == QEvent::FocusIn && userMovedFocus()))
            pipeline.startChange(slider);
        else if (event->type() == QEvent::MouseButtonRelease || (event->type() == QEvent::FocusOut && userMovedFocus()))
            pipeline.finishChange(slider);
        return QObject::eventFilter(watched, event);
    }
    auto *box = qobject_cast<QLineEdit *>(watched);
    if (!box || !isChannelBox(box))
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn && userMovedFocus())
        pipeline.startChange(box);
    if (event->type() == QEvent::KeyPress) {
        // Digits only, the keys that move or delete, and the box's own
        // commands (select all, copy, cut, paste; a paste is checked whole).
        const auto *key = static_cast<QKeyEvent *>(event);
        const QString text = key->text();
        const bool command = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        const bool passes = text.isEmpty() || command || key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete
                            || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab
                            || (text.size() == 1 && text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('9'));
        if (!passes)
            return true;
    } else if (event->type() == QEvent::FocusOut && userMovedFocus()) {
        // Only when the user leaves the box: a menu, a message box or another
        // window taking the focus for a while leaves the text as typed.
        guard.run([this, box] { edtRedExit(box); });
        pipeline.finishChange(box);
    }
    return QObject::eventFilter(watched, event);
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

void ChannelEditors::showValues(const ShownColor &shown)
{
    const TColor color = shown.color;
    const ChangeSource source = shown.source;
    if (shown.sliders)
        setHsvSliders(shown.sliders->hue, shown.sliders->saturation, shown.sliders->value);
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

    // The alpha comes back with an undo or a code too; a box being typed in
    // keeps its text until it is left.
    scrollbarAlpha->setValue(shown.alpha);
    if (source != ChangeSource::RgbBoxes && edtAlpha->text() != QString::number(shown.alpha)) {
        const QSignalBlocker quiet(edtAlpha);
        edtAlpha->setText(QString::number(shown.alpha));
    }
    // Undo or redo can bring back the colour a slider move started from; the
    // tracks must still show the colour in force.
    if (shown.changed || scrollbarSaturation->Value() == 0 || trackBasesStale())
        UpdateRGBRectangles();
}

bool ChannelEditors::trackBasesStale() const
{
    return scrollbarGreen->BaseR() != (scrollbarred->Value() & 0xFF)
           || scrollbarred->BaseG() != (scrollbarGreen->Value() & 0xFF)
           || scrollbarred->BaseB() != (scrollbarBlue->Value() & 0xFF)
           || scrollbarSaturation->BaseH() != scrollbarHue->Value()
           || scrollbarHue->BaseS() != (scrollbarSaturation->Value() & 0xFF)
           || scrollbarHue->BaseV() != (scrollbarValue->Value() & 0xFF);
}

void ChannelEditors::UpdateRGBRectangles()
{
    const auto R = static_cast<std::uint8_t>(scrollbarred->Value());
    const auto G = static_cast<std::uint8_t>(scrollbarGreen->Value());
    const auto B = static_cast<std::uint8_t>(scrollbarBlue->Value());
    const auto H = static_cast<std::uint16_t>(scrollbarHue->Value());
    const auto S = static_cast<std::uint8_t>(scrollbarSaturation->Value());
    const auto V = static_cast<std::uint8_t>(scrollbarValue->Value());
    for (TJvTracker *slider : {scrollbarred, scrollbarGreen, scrollbarBlue, scrollbarBrightness, scrollbarAlpha})
        slider->setBaseRGB(R, G, B);
    for (TJvTracker *slider : {scrollbarHue, scrollbarSaturation, scrollbarValue})
        slider->setBaseHSV(H, S, V);
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
        if (pipeline.changesEnabled())
            guard.run([this, slider] { runSliderHandler(slider); });
        return true;
    }
    auto *box = qobject_cast<QLineEdit *>(target);
    if (!box || !isChannelBox(box))
        return false;
    StepNumberBox(box, up);
    return true;
}

void ChannelEditors::layoutChosen()
{
    if (pipeline.alpha() != 255)
        sendHsvSliders(nullptr, 255);
}

void ChannelEditors::sendHsvSliders(const QObject *sender, std::optional<int> alpha)
{
    pipeline.UpdateColor({ChangeSource::HsvSliders, {hueSlider(), saturationSlider(), valueSlider()}, alpha}, sender);
}

void ChannelEditors::CurrencyEdit13Change(QObject *Sender)
{
    const RGBValues rgb = rgbBoxes();
    pipeline.UpdateColor({ChangeSource::RgbBoxes, {rgb.R, rgb.G, rgb.B}, std::nullopt}, Sender);
}

void ChannelEditors::CurrencyEdit4Change(QObject *Sender)
{
    pipeline.UpdateColor(
        {ChangeSource::HsvBoxes, {BoxNumber(edtHue), BoxNumber(edtSaturation), BoxNumber(edtValue)}, std::nullopt},
        Sender);
}

void ChannelEditors::scrollbarredChangedValue(QObject *Sender)
{
    const RGBValues rgb = rgbSliders();
    pipeline.UpdateColor({ChangeSource::RgbSliders, {rgb.R, rgb.G, rgb.B}, std::nullopt}, Sender);
}

void ChannelEditors::scrollbarHueChangedValue(QObject *Sender)
{
    sendHsvSliders(Sender);
}

void ChannelEditors::scrollbarValueChangedValue(QObject *Sender)
{
    pipeline.UpdateColor({ChangeSource::ValueSlider, {hueSlider(), saturationSlider(), valueSlider()}, std::nullopt},
                         Sender);
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
    const RGBValues rgb = rgbBoxes();
    pipeline.UpdateColor({ChangeSource::RgbBoxes, {rgb.R, rgb.G, rgb.B}, scrollbarAlpha->Value()}, edtAlpha);
}

void ChannelEditors::ScrollBarAlphaChange()
{
    {
        const QSignalBlocker quiet(edtAlpha);
        edtAlpha->setText(QString::number(scrollbarAlpha->Value()));
    }
    const RGBValues rgb = rgbSliders();
    pipeline.UpdateColor({ChangeSource::RgbSliders, {rgb.R, rgb.G, rgb.B}, scrollbarAlpha->Value()}, scrollbarAlpha);
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
    const RGBValues rgb = rgbSliders();
    pipeline.UpdateColor({ChangeSource::RgbSliders, {rgb.R, rgb.G, rgb.B}, std::nullopt}, scrollbarBrightness);
}

void ChannelEditors::setAlphaMode(bool isAlpha)
{
    alphamode = isAlpha;
    if (UseAlphaChannels1)
        UseAlphaChannels1->setChecked(isAlpha);
    pipeline.setAlphaMode(isAlpha);
    ChangeAlphaMode(isAlpha);
}

void ChannelEditors::ChangeAlphaMode(bool isAlpha)
{
    scrollbarBrightness->setVisible(!isAlpha);
    scrollbarAlpha->setVisible(isAlpha);
    edtAlpha->setVisible(isAlpha);
    lblAlpha->setText(isAlpha ? QStringLiteral("Alpha") : QStringLiteral("Brightness"));
    lblAlpha->setBuddy(isAlpha ? static_cast<QWidget *>(edtAlpha) : scrollbarBrightness);
    fitCaptions(isAlpha);
    if (isAlpha)
        UpdateRGBRectangles();
}

void ChannelEditors::UseAlphaChannels1Click()
{
    alphamode = UseAlphaChannels1->isChecked();
    ChangeAlphaMode(alphamode);
    // Alpha mode off makes the colour opaque.
    pipeline.setAlphaMode(alphamode);
    sendHsvSliders(nullptr);
}

} // namespace pigmentrix
