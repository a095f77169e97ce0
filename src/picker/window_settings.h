#pragma once

#include "model/custom_format.h"

#include <QObject>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QString;
class QWidget;

namespace pigmentrix {

class ChannelEditors;
class ColorCodeBox;
class ColorFrameArea;
class ColorPipeline;
class ErrorGuard;
class GrabController;
class HsvPictureArea;
class NamedColorArea;
class PaletteArea;
class PickShortcut;
class PickerDialogs;
class SettingsAutosave;
class SettingsStore;
class UpdateCommands;
class WindowShell;
struct PropertyBinding;
struct StoredWindowPosition;

// The settings the window keeps between runs: restored just before it is
// first shown, kept in step with the file while it runs (SettingsAutosave),
// and written when it really closes, or when it goes without a close.
class WindowSettings : public QObject {
    Q_OBJECT

public:
    // The areas whose values are kept.
    struct Areas {
        ColorPipeline &pipeline;
        ChannelEditors &editors;
        ColorCodeBox &codes;
        ColorFrameArea &frame;
        HsvPictureArea &picture;
        NamedColorArea &namedColors;
        PaletteArea &palette;
        GrabController &grab;
        WindowShell &shell;
        UpdateCommands &updates;
        PickShortcut &pickShortcut;
    };

    // Settings in store, or (store null) in memory for this run only.
    WindowSettings(QWidget *window, SettingsStore *store, PickerDialogs &dialogs, const ErrorGuard &guard);
    ~WindowSettings() override;

    SettingsStore &store() { return *settingsStore; }

    // Once the areas exist and are wired: every later change of a kept value
    // asks for a write.
    void watch(const Areas &areas);
    // Before the stored notation index comes back, which may choose one of
    // the custom formats.
    void readCustomFormats();
    // Once the window has taken the named values: what it shows now is what
    // the file holds. Decides from the file as it was read whether the stored
    // position and properties may come back.
    void takeFirstValues();
    // Just before the first showing: the stored position and properties.
    void restore();
    bool restored() const { return storedSettingsRestored; }
    // A window without a stored place is centred once its frame is known.
    void centreIfAsked();
    // What the user is told once the window is on screen: damaged lines, a
    // read-only file, custom formats left out; empty when nothing.
    std::string startNotice() const;
    // The notice was shown: the file remembers the lines it was told of.
    void noticeTold();
    // Something kept may have changed; a move goes on until it rests.
    void changed();
    void windowMoved();
    // Writes every setting now, as the session manager asks before a logout.
    void saveNow();
    // Writes what the window holds as it goes: with acceptedClose the named
    // values too; interactive shows errors and notices, else they go to the
    // log. Once only.
    void saveClosing(bool acceptedClose, bool interactive);
    bool closingSaved() const { return closingSettingsSaved; }

private:
    void placeWindow(const StoredWindowPosition &stored);
    void takeSettingsAsWritten();
    std::vector<PropertyBinding> storedPropertyBindings();
    // Puts the present settings into the store; the named values only with
    // named.
    void storeSettings(bool named);
    std::function<void(const QString &, bool)> settingsMessages();

    QWidget *window;
    std::unique_ptr<SettingsStore> ownedSettingsStore;
    SettingsStore *settingsStore;
    PickerDialogs &dialogs;
    const ErrorGuard &guard;
    std::unique_ptr<Areas> areas;
    SettingsAutosave *autosave = nullptr;
    // Stored formats that cannot be used: kept for the file, and what the
    // user is told about them when the window first shows.
    std::vector<CustomFormat> unusableCustomFormats;
    std::string customFormatNotice;
    bool centreWhenShown = false;
    bool closingSettingsSaved = false;
    // The stored position and properties are in the window (just before its
    // first showing): from then on they are the window's to store.
    bool storedSettingsRestored = false;
    bool storedSettingsAllowed = true;
};

} // namespace pigmentrix
