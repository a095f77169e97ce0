#include "picker/color_pick_window.h"

#include "displays/tracker.h"
#include "model/integer_text.h"
#include "picker/app_version.h"
#include "picker/channel_rules.h"
#include "picker/color_frame_panel.h"
#include "picker/picker_dialogs.h"
#include "picker/picker_settings.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QLineEdit>
#include <QWheelEvent>

#include <chrono>

namespace pigmentrix {

TfrmColorPick::TfrmColorPick(const PickerSettings &settings, PickerDialogs &dialogs, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint)
    , dialogs(dialogs)
    , random(static_cast<std::mt19937::result_type>(
          std::chrono::steady_clock::now().time_since_epoch().count()))
{
    setObjectName(QStringLiteral("frmColorPick"));
    buildControls();
    buildMenus();
    connectEditors();
    connectCommands();
    qApp->installEventFilter(this);
    FormCreate(settings);
}

TfrmColorPick::~TfrmColorPick() = default;

TColor TfrmColorPick::currentColor() const
{
    return pnlColor->Color;
}

std::array<TJvTracker *, 8> TfrmColorPick::sliders() const
{
    return {scrollbarred, scrollbarGreen, scrollbarBlue, scrollbarBrightness,
            scrollbarAlpha, scrollbarHue, scrollbarSaturation, scrollbarValue};
}

std::array<QLineEdit *, 7> TfrmColorPick::channelBoxes() const
{
    return {edtRed, edtGreen, edtBlue, edtAlpha, edtHue, edtSaturation, edtValue};
}

void TfrmColorPick::FormCreate(const PickerSettings &settings)
{
    AllowClose = false;
    paramcolor.clear();
    alphaold = -1;

    scrollbarred->setChannel(rcRed);
    scrollbarGreen->setChannel(rcGreen);
    scrollbarBlue->setChannel(rcBlue);
    scrollbarBrightness->setChannel(rcBrightness);
    scrollbarHue->setChannel(rcHue);
    scrollbarSaturation->setChannel(rcSaturation);
    scrollbarValue->setChannel(rcValue);
    scrollbarAlpha->setChannel(rcAlpha);

    history = ColorHistory{};
    cVal = -1;
    cHue = -1;
    rootx = 0;
    rooty = 0;

    version = QString::fromStdString(GetAppVersion());
    setWindowTitle(QStringLiteral("Pigmentrix ") + version);

    UseUpperCase = settings.uppercase;
    UpperCaseColorCodes1->setChecked(UseUpperCase);
    alphamode = settings.AlphaMode;
    UseAlphaChannels1->setChecked(alphamode);
    oLayout = settings.layout;
    odisplaymode = settings.displaymode;
    oCheckNewVersion = settings.CheckNewVersion;

    ChangeAlphaMode(alphamode);
}

void TfrmColorPick::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmColorPick::FormShow()
{
    disablechanges();
    updatevalues(0);
    enablechanges();
    applyGrabOptions();

    if (!paramcolor.isEmpty())
        applyColorParameter();

    UseTextinColorFrame1->setChecked(UseText->isChecked());
    UpdatePanel(RedOf(currentColor()), GreenOf(currentColor()), BlueOf(currentColor()), scrollbarAlpha->Value());

    if (!shownOnce) {
        shownOnce = true;
        btnCopy->setFocus();
    }
}

void TfrmColorPick::applyColorParameter()
{
    const std::optional<TColor> color = ParseColorParameter(paramcolor.toStdString());
    if (!color) {
        dialogs.showMessage(this, QStringLiteral("Incorrect Color Parameter Format"));
        return;
    }
    applyColor(*color);
}

void TfrmColorPick::reportError(const QString &message)
{
    dialogs.showError(this, message.endsWith(QLatin1Char('.')) ? message : message + QLatin1Char('.'));
}

void TfrmColorPick::runGuarded(const std::function<void()> &handler)
{
    const int depth = changesDisabledDepth;
    try {
        handler();
    } catch (const ConvertError &error) {
        changesDisabledDepth = depth;
        reportError(QString::fromStdString(error.what()));
    }
}

bool TfrmColorPick::eventFilter(QObject *watched, QEvent *event)
{
    // The wheel steps whatever control lies under the pointer, focused or not.
    if (event->type() == QEvent::Wheel) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && (widget == this || isAncestorOf(widget))) {
            FormMouseWheel(widget, static_cast<QWheelEvent *>(event)->angleDelta().y());
            return true;
        }
        return QWidget::eventFilter(watched, event);
    }

    auto *box = qobject_cast<QLineEdit *>(watched);
    const auto boxes = channelBoxes();
    if (box && std::find(boxes.begin(), boxes.end(), box) != boxes.end()) {
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            const QString text = key->text();
            const bool passes = text.isEmpty() || key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete
                                || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab
                                || (text.size() == 1 && text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('9'));
            if (!passes)
                return true;
        } else if (event->type() == QEvent::FocusOut) {
            edtRedExit(box);
        }
    } else if (watched == edtColor && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            btnSetClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmColorPick::FormMouseWheel(QWidget *target, int delta)
{
    const bool up = delta > 0;
    for (TJvTracker *slider : sliders()) {
        if (slider != target)
            continue;
        slider->setValue(slider->Value() + (up ? 1 : -1));
        if (!changesEnabled())
            return;
        runGuarded([this, slider] {
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
        return;
    }

    auto *box = qobject_cast<QLineEdit *>(target);
    const auto boxes = channelBoxes();
    if (box && (box == edtColor || std::find(boxes.begin(), boxes.end(), box) != boxes.end())) {
        const std::optional<int> n = TryStrToInt(box->text().toStdString());
        if (!n)
            return;
        if (up && *n <= 254)
            box->setText(QString::number(*n + 1));
        else if (!up && *n >= 1)
            box->setText(QString::number(*n - 1));
    }
}

} // namespace pigmentrix
