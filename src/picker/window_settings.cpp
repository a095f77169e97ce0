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
#include "sampling/grab_controller.h"
#include "shell/window_shell.h"
#include "ui/error_guard.h"
#include "update/update_commands.h"

#include "storage/closing_settings.h"
#include "storage/property_bindings.h"
#include "storage/settings_store.h"
#include "storage/window_position.h"

#include <QCloseEvent>
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
    if (!MayRestoreStoredSettings(*settingsStore)) {
        placeWindow(StoredWindowPosition{});
        return;
    }
    placeWindow(ReadWindowPosition(*settingsStore));
    RestoreBoundProperties(*settingsStore, storedPropertyBindings());
}

void TfrmColorPick::placeWindow(const StoredWindowPosition &stored)
{
    const std::vector<ScreenRect> screens = ScreenRects();
    const PlacementDecision placement =
        DecideWindowPlacement(stored, ScreenPixelsPerInch(), ToScreenRect(frameGeometry()), screens);
    move(placement.normal.left, placement.normal.top);
}

void TfrmColorPick::FormClose()
{
    saveClosingSettings(true);
    emit closing();
}

void TfrmColorPick::saveClosingSettings(bool acceptedClose)
{
    ClosingSettings closing;
    if (shownOnce) {
        WindowPosition position;
        position.pixelsPerInch = ScreenPixelsPerInch();
        position.normal = ToScreenRect(frameGeometry());
        closing.position = position;
        closing.properties = CollectBoundProperties(*settingsStore, storedPropertyBindings());
    }
    if (acceptedClose) {
        closing.named = NamedSettings{codes->upperCase(),
                                      editors->alphaMode(),
                                      static_cast<int>(shell->layout()),
                                      static_cast<int>(picture->displayMode()),
                                      updates->checkOnStartup(),
                                      shell->titleShown(),
                                      palette->storedPaletteName().toStdString()};
    }
    closing.paletteChanged = palette->paletteChanged();
    StoreClosingSettings(*settingsStore, closing);
    const SettingsSaveResult saved =
        settingsStore->Save(acceptedClose ? SaveOccasion::AcceptedClose : SaveOccasion::WindowDestroyed);
    closingSettingsSaved = true;
    if (!saved.error.empty())
        guard->report(QString::fromStdString(saved.error));
}

// Each area names the stored properties of its own controls; the colour is
// the pipeline's.
std::vector<PropertyBinding> TfrmColorPick::storedPropertyBindings()
{
    std::vector<PropertyBinding> rows = {
        {"pnlColor_Color", [this] { return StoredValue(std::int64_t{pipeline->color()}); },
         [this](const StoredValue &value) { pipeline->restoreColor(static_cast<TColor>(std::get<std::int64_t>(value))); }},
    };
    for (std::vector<PropertyBinding> area : {grab->storedProperties(), frame->storedProperties(),
                                              shell->storedProperties(), namedColors->storedProperties(),
                                              codes->storedProperties(), palette->storedProperties()})
        rows.insert(rows.end(), std::make_move_iterator(area.begin()), std::make_move_iterator(area.end()));
    return rows;
}

} // namespace pigmentrix
