#include "picker/window_settings.h"

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
#include "storage/closing_settings.h"
#include "storage/custom_format_settings.h"
#include "storage/picker_settings.h"
#include "storage/property_bindings.h"
#include "storage/settings_store.h"
#include "storage/window_position.h"
#include "ui/error_guard.h"
#include "ui/picker_dialogs.h"
#include "update/update_commands.h"

#include <QAction>
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

WindowSettings::WindowSettings(QWidget *window, SettingsStore *store, PickerDialogs &dialogs, const ErrorGuard &guard)
    : QObject(window)
    , window(window)
    , ownedSettingsStore(store ? nullptr : std::make_unique<SettingsStore>(std::filesystem::path()))
    , settingsStore(store ? store : ownedSettingsStore.get())
    , dialogs(dialogs)
    , guard(guard)
{
}

WindowSettings::~WindowSettings() = default;

void WindowSettings::watch(const Areas &watched)
{
    areas = std::make_unique<Areas>(watched);
    autosave = new SettingsAutosave(
        *settingsStore, [this] { storeSettings(true); }, settingsMessages(), this);
    // Most changes come through a handler (the guard says when one ran);
    // these change a stored value without one.
    for (QAction *item : window->findChildren<QAction *>())
        connect(item, &QAction::toggled, autosave, &SettingsAutosave::changed);
    for (QComboBox *list : window->findChildren<QComboBox *>())
        connect(list, &QComboBox::currentIndexChanged, autosave, &SettingsAutosave::changed);
}

void WindowSettings::readCustomFormats()
{
    StoredCustomFormats stored = ReadCustomFormats(*settingsStore);
    areas->codes.setCustomFormats(stored.formats);
    unusableCustomFormats = std::move(stored.unusable);
    customFormatNotice = std::move(stored.notice);
}

void WindowSettings::takeFirstValues()
{
    storedSettingsAllowed = MayRestoreStoredSettings(*settingsStore);
    takeSettingsAsWritten();
}

void WindowSettings::restore()
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
void WindowSettings::takeSettingsAsWritten()
{
    storeSettings(true);
    settingsStore->TakeCurrentAsWritten();
}

void WindowSettings::placeWindow(const StoredWindowPosition &stored)
{
    const std::vector<ScreenRect> screens = ScreenRects();
    const PlacementDecision placement =
        DecideWindowPlacement(stored, ScreenPixelsPerInch(), ToScreenRect(window->frameGeometry()), screens);
    // A centred window is centred once it exists, when its frame is known
    // where the platform can tell it.
    centreWhenShown = !placement.restored;
    window->move(placement.normal.left, placement.normal.top);
}

void WindowSettings::centreIfAsked()
{
    if (!centreWhenShown)
        return;
    placeWindow(StoredWindowPosition{});
    centreWhenShown = false;
}

std::string WindowSettings::startNotice() const
{
    std::string notice = settingsStore->StartNotice();
    if (!customFormatNotice.empty())
        notice += (notice.empty() ? "" : "\n\n") + customFormatNotice;
    return notice;
}

void WindowSettings::noticeTold()
{
    settingsStore->NoteDamageTold();
    autosave->changed();
}

void WindowSettings::changed()
{
    if (autosave)
        autosave->changed();
}

void WindowSettings::windowMoved()
{
    if (autosave)
        autosave->changing();
}

void WindowSettings::saveNow()
{
    storeSettings(true);
    autosave->saveNow(&SettingsAutosave::log);
}

// What a settings write has to say, told in the window: an error as the
// program's error report, a notice as a message.
std::function<void(const QString &, bool)> WindowSettings::settingsMessages()
{
    return [this](const QString &message, bool isError) {
        if (isError)
            guard.report(message);
        else
            dialogs.showMessage(window, message);
    };
}

void WindowSettings::saveClosing(bool acceptedClose, bool interactive)
{
    if (closingSettingsSaved)
        return;
    storeSettings(acceptedClose);
    if (interactive) {
        autosave->saveNow(settingsMessages());
    } else {
        autosave->saveNow(&SettingsAutosave::log);
    }
    closingSettingsSaved = true;
}

void WindowSettings::storeSettings(bool named)
{
    ClosingSettings closing;
    if (storedSettingsRestored) {
        WindowPosition position;
        position.pixelsPerInch = ScreenPixelsPerInch();
        position.normal = ToScreenRect(window->frameGeometry());
        closing.position = position;
        closing.properties = CollectBoundProperties(*settingsStore, storedPropertyBindings());
    }
    if (named) {
        closing.named = PickerSettings{areas->codes.upperCase(),
                                       areas->editors.alphaMode(),
                                       areas->shell.layout(),
                                       areas->picture.displayMode(),
                                       areas->updates.checkOnStartup(),
                                       areas->shell.titleShown(),
                                       areas->palette.storedPaletteName().toStdString()};
    }
    closing.paletteChanged = areas->palette.paletteChanged();
    closing.customFormats = areas->codes.customFormats();
    closing.customFormats.insert(closing.customFormats.end(), unusableCustomFormats.begin(),
                                 unusableCustomFormats.end());
    StoreClosingSettings(*settingsStore, closing);
}

// Each area names the stored properties of its own controls; the colour is
// the pipeline's.
std::vector<PropertyBinding> WindowSettings::storedPropertyBindings()
{
    ColorPipeline &pipeline = areas->pipeline;
    std::vector<PropertyBinding> rows = {
        {"pnlColor_Color", [&pipeline] { return StoredValue(std::int64_t{pipeline.color()}); },
         [&pipeline](const StoredValue &value) {
             pipeline.restoreColor(static_cast<TColor>(std::get<std::int64_t>(value)));
         }},
    };
    for (std::vector<PropertyBinding> area :
         {areas->grab.storedProperties(), areas->frame.storedProperties(), areas->shell.storedProperties(),
          areas->namedColors.storedProperties(), areas->codes.storedProperties(), areas->palette.storedProperties(),
          areas->pickShortcut.storedProperties()})
        rows.insert(rows.end(), std::make_move_iterator(area.begin()), std::make_move_iterator(area.end()));
    return rows;
}

} // namespace pigmentrix
