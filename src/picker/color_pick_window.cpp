#include "picker/color_pick_window.h"

#include "displays/tracker.h"
#include "model/integer_text.h"
#include "picker/app_version.h"
#include "picker/channel_rules.h"
#include "picker/color_frame_panel.h"
#include "picker/named_color_box.h"
#include "picker/picker_dialogs.h"
#include "picker/picker_settings.h"
#include "storage/named_settings.h"
#include "storage/settings_store.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QLineEdit>
#include <QWheelEvent>

#include <chrono>

namespace pigmentrix {

TfrmColorPick::TfrmColorPick(const PickerSettings &settings, PickerDialogs &dialogs, QWidget *parent)
    : TfrmColorPick(nullptr, std::make_unique<SettingsStore>(std::filesystem::path()), settings, dialogs, parent)
{
}

TfrmColorPick::TfrmColorPick(SettingsStore &store, PickerDialogs &dialogs, QWidget *parent)
    : TfrmColorPick(&store, nullptr, ToPickerSettings(ReadNamedSettings(store)), dialogs, parent)
{
}

TfrmColorPick::TfrmColorPick(SettingsStore *store, std::unique_ptr<SettingsStore> ownedStore,
                             const PickerSettings &settings, PickerDialogs &dialogs, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint)
    , ownedSettingsStore(std::move(ownedStore))
    , settingsStore(store ? store : ownedSettingsStore.get())
    , dialogs(dialogs)
    , random(static_cast<std::mt19937::result_type>(
          std::chrono::steady_clock::now().time_since_epoch().count()))
{
    setObjectName(QStringLiteral("frmColorPick"));
    buildControls();
    buildPalettePanel();
    buildMenus();
    buildPaletteMenu();
    connectEditors();
    connectCommands();
    qApp->installEventFilter(this);
    FormCreate(settings);
}

TfrmColorPick::~TfrmColorPick()
{
    if (!closingSettingsSaved)
        saveClosingSettings(false);
}

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
    tickDisplayMode();
    CheckforNewVersiononStartup1->setChecked(oCheckNewVersion);

    ChangeAlphaMode(alphamode);

    recordLayout();
    applyStoredLayout(settings.layout);
    showtitle = settings.showtitle;
    if (!showtitle)
        HideTitlebar();

    showPaletteName(QString::fromStdString(settings.palettename));

    RunonStartup1->setChecked(autostart.exists());
    setTrayActive(true);
    // Before the first sort, which keeps the mirrors' check marks in step.
    mirrorNamedColorMenu();
}

void TfrmColorPick::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        if (!shownOnce)
            restoreStoredSettings();
        FormShow();
    }
}

void TfrmColorPick::FormShow()
{
    if (!allowCloseOption)
        AllowClose = !StayinSystemTray1->isChecked();
    // Rebuilds the named-colour list for the stored check mark and order.
    bHTMLList = !Showonlyhtmlcolors->isChecked();
    ShowonlyhtmlcolorsClick();

    disablechanges();
    updatevalues(0);
    enablechanges();
    applyGrabOptions();

    SetStayOnTop(AlwaysonTop1->isChecked());
    if (!paramcolor.isEmpty())
        applyColorParameter();

    UseTextinColorFrame1->setChecked(UseText->isChecked());
    SetasTextColor1->setEnabled(UseText->isChecked());
    rebuildPaletteHints();
    UpdatePanel(RedOf(currentColor()), GreenOf(currentColor()), BlueOf(currentColor()), scrollbarAlpha->Value());
    if (oCheckNewVersion)
        CheckNewVersion(true, true);

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

void TfrmColorPick::comeForward()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void TfrmColorPick::reportError(const QString &message)
{
    dialogs.showError(this, message.endsWith(QLatin1Char('.')) ? message : message + QLatin1Char('.'));
}

bool TfrmColorPick::isMenuShortcut(const QKeyEvent &key) const
{
    const QKeySequence pressed(key.keyCombination());
    const QList<QAction *> keyed = actions();
    return std::any_of(keyed.begin(), keyed.end(), [&](const QAction *action) {
        return action->isEnabled() && action->shortcut() == pressed;
    });
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

    // The window's menu keys win over an edit box's own (Ctrl+Z undoes the
    // colour, not the typing).
    if (event->type() == QEvent::ShortcutOverride) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && isAncestorOf(widget) && isMenuShortcut(*static_cast<QKeyEvent *>(event)))
            return true;
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
    if (target == cbxColors) {
        stepNamedColorList(up);
        return;
    }
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
