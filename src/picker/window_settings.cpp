// The settings the window keeps between runs: restored just before it is
// first shown, written when it really closes.
#include "picker/color_pick_window.h"

#include "displays/color_frame_area.h"
#include "displays/hsv_picture_area.h"
#include "displays/named_color_area.h"
#include "picker/channel_editors.h"
#include "picker/color_code_box.h"
#include "picker/color_pipeline.h"
#include "picker/palette_area.h"
#include "picker/settings_autosave.h"
#include "sampling/grab_controller.h"
#include "shell/pick_shortcut.h"
#include "shell/window_shell.h"
#include "ui/error_guard.h"
#include "ui/picker_dialogs.h"
#include "update/update_commands.h"

#include "storage/closing_settings.h"
#include "storage/custom_format_settings.h"
#include "storage/property_bindings.h"
#include "storage/settings_store.h"
#include "storage/window_position.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QScreen>

namespace pigmentrix {
namespace {

constexpr int DesignPixelsPerInch = 96;

// The screen's pixels per inch as the desktop reports them, scaling
// included; a change between runs means stored positions no longer fit.
int ScreenPixelsPerInch()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return DesignPixelsPerInch;
    return qRound(screen->logicalDotsPerInch() * screen->devicePixelRatio());
}

ScreenRect ToScreenRect(const QRect &rect)
{
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

// The primary screen first: an unplaced window is centred on it.
std::vector<ScreenRect> ScreenRects()
{
    std::vector<ScreenRect> rects;
    if (const QScreen *primary = QGuiApplication::primaryScreen())
        rects.push_back(ToScreenRect(primary->geometry()));
    for (const QScreen *screen : QGuiApplication::screens()) {
        if (screen != QGuiApplication::primaryScreen())
            rects.push_back(ToScreenRect(screen->geometry()));
    }
    return rects;
}

} // namespace

void TfrmColorPick::restoreStoredSettings()
{
    if (!storedSettingsAllowed) {
        placeWindow(StoredWindowPosition{});
    } else {
        placeWindow(ReadWindowPosition(*settingsStore));
        RestoreBoundProperties(*settingsStore, storedPropertyBindings());
    }
    storedSettingsRestored = true;
    takeSettingsAsWritten();
}

// What the window shows now came from the file or is the default for what
// the file lacks: only what changes from here on (and what the window took
// differently from the file) is written. Another picker sharing the file
// then keeps what it writes meanwhile.
void TfrmColorPick::takeSettingsAsWritten()
{
    storeSettings(true);
    settingsStore->TakeCurrentAsWritten();
}

// Before the stored notation index comes back, which may choose one of them.
void TfrmColorPick::readCustomFormats()
{
    StoredCustomFormats stored = ReadCustomFormats(*settingsStore);
    codes->setCustomFormats(stored.formats);
    unusableCustomFormats = std::move(stored.unusable);
    customFormatNotice = std::move(stored.notice);
}

void TfrmColorPick::placeWindow(const StoredWindowPosition &stored)
{
    const std::vector<ScreenRect> screens = ScreenRects();
    const PlacementDecision placement =
        DecideWindowPlacement(stored, ScreenPixelsPerInch(), ToScreenRect(frameGeometry()), screens);
    // A centred window is centred once it exists, when its frame is known
    // where the platform can tell it.
    centreWhenShown = !placement.restored;
    move(placement.normal.left, placement.normal.top);
}

void TfrmColorPick::centreIfAsked()
{
    if (!centreWhenShown)
        return;
    placeWindow(StoredWindowPosition{});
    centreWhenShown = false;
}

void TfrmColorPick::FormClose()
{
    if (closingSettingsSaved)
        return;
    saveClosingSettings(true, true);
    emit closing();
}

// Nobody is there to answer a message, and the session will not wait: what
// can be written is, failures go to the log, and every event loop ends at
// once, a message box's too.
void TfrmColorPick::endSession()
{
    if (!closingSettingsSaved) {
        saveClosingSettings(true, false);
        emit closing();
    }
    shell->setTrayActive(false);
    QCoreApplication::exit(0);
}

void TfrmColorPick::saveSettingsNow()
{
    storeSettings(true);
    autosave->saveNow(&SettingsAutosave::log);
}

void TfrmColorPick::watchForSettingChanges()
{
    autosave = new SettingsAutosave(
        *settingsStore, [this] { storeSettings(true); }, settingsMessages(), this);
    // Most changes come through a handler (the guard says when one ran);
    // these change a stored value without one.
    for (QAction *item : findChildren<QAction *>())
        connect(item, &QAction::toggled, autosave, &SettingsAutosave::changed);
    for (QComboBox *list : findChildren<QComboBox *>())
        connect(list, &QComboBox::currentIndexChanged, autosave, &SettingsAutosave::changed);
}

// What a settings write has to say, told in the window: an error as the
// program's error report, a notice as a message.
std::function<void(const QString &, bool)> TfrmColorPick::settingsMessages()
{
    return [this](const QString &message, bool isError) {
        if (isError)
            guard->report(message);
        else
            dialogs.showMessage(this, message);
    };
}

void TfrmColorPick::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    if (shownOnce && autosave)
        autosave->changing();
}

void TfrmColorPick::saveClosingSettings(bool acceptedClose, bool interactive)
{
    storeSettings(acceptedClose);
    if (interactive) {
        autosave->saveNow(settingsMessages());
    } else {
        autosave->saveNow(&SettingsAutosave::log);
    }
    closingSettingsSaved = true;
}

void TfrmColorPick::storeSettings(bool named)
{
    ClosingSettings closing;
    if (storedSettingsRestored) {
        WindowPosition position;
        position.pixelsPerInch = ScreenPixelsPerInch();
        position.normal = ToScreenRect(frameGeometry());
        closing.position = position;
        closing.properties = CollectBoundProperties(*settingsStore, storedPropertyBindings());
    }
    if (named) {
        closing.named = NamedSettings{codes->upperCase(),
                                      editors->alphaMode(),
                                      static_cast<int>(shell->layout()),
                                      static_cast<int>(picture->displayMode()),
                                      updates->checkOnStartup(),
                                      shell->titleShown(),
                                      palette->storedPaletteName().toStdString()};
    }
    closing.paletteChanged = palette->paletteChanged();
    closing.customFormats = codes->customFormats();
    closing.customFormats.insert(closing.customFormats.end(), unusableCustomFormats.begin(),
                                 unusableCustomFormats.end());
    StoreClosingSettings(*settingsStore, closing);
}

// Each area names the stored properties of its own controls; the colour is
// the pipeline's.
std::vector<PropertyBinding> TfrmColorPick::storedPropertyBindings()
{
    std::vector<PropertyBinding> rows = {
        {"pnlColor_Color", [this] { return StoredValue(std::int64_t{pipeline->color()}); },
         [this](const StoredValue &value) {
             pipeline->restoreColor(static_cast<TColor>(std::get<std::int64_t>(value)));
         }},
    };
    for (std::vector<PropertyBinding> area :
         {grab->storedProperties(), frame->storedProperties(), shell->storedProperties(),
          namedColors->storedProperties(), codes->storedProperties(), palette->storedProperties(),
          pickShortcut->storedProperties()})
        rows.insert(rows.end(), std::make_move_iterator(area.begin()), std::make_move_iterator(area.end()));
    return rows;
}

} // namespace pigmentrix
