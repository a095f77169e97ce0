#pragma once

#include "model/color.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>
#include <optional>

class QKeyEvent;
class QMenu;

namespace pigmentrix {

class ChannelEditors;
class ColorCodeBox;
class ColorFrameArea;
class ColorPipeline;
class ErrorGuard;
class GrabController;
class HistoryActions;
class HsvPictureArea;
class NamedColorArea;
class PaletteArea;
class PickShortcut;
class PickerDialogs;
class SettingsStore;
class UpdateCommands;
class WindowSettings;
class WindowShell;
struct PickerSettings;

// The picker window: one current colour and every editor of it. The window
// is the composition root: it creates one object per area, lays them out in
// the main menu's order and wires them; each area owns its controls, menu
// items and state.
class TfrmColorPick : public QWidget {
    Q_OBJECT

public:
    // A window whose settings live only in memory for this run.
    TfrmColorPick(const PickerSettings &settings, PickerDialogs &dialogs, QWidget *parent = nullptr);
    // A window that reads its settings from store and writes them back when
    // it closes (or, without an accepted close, when it is destroyed).
    TfrmColorPick(SettingsStore &store, PickerDialogs &dialogs, QWidget *parent = nullptr);
    ~TfrmColorPick() override;

    // The current colour.
    TColor currentColor() const;
    // "Pigmentrix" and the program's version, "major.minor".
    const QString &version() const { return programVersion; }

    // The start's colour argument, taken when the window is shown.
    void setColorParameter(const QString &color) { paramcolor = color; }
    // Settings kept in Pigmentrix.ini beside the program.
    void setPortableEdition(bool portable);
    // "/notray": no notification-area icon, and closing ends the program.
    void runWithoutTray();
    // "/allowclose": closing ends the program for the whole run.
    void setAllowCloseOption();

    void FormShow();
    // Brings the window to the front for a second start of the program:
    // shown, restored, raised and active.
    void comeForward();
    // Picks a colour from the desktop at once, for a pick command or the
    // pick shortcut; the window comes forward only where it shows already.
    // pickEnded follows.
    void pickFromDesktop();
    // An accepted close: "FormVersion", the position and stored properties
    // (when the window was shown), then the named values, and the file is
    // written. Whatever accepts a close request calls this.
    void FormClose();
    // The desktop session ends (a signal, the session manager): an accepted
    // close with nobody to answer a message, then the program quits.
    void endSession();
    // Writes every setting now, as the session manager asks before a logout.
    void saveSettingsNow();

signals:
    // An accepted close: the settings have been written.
    void closing();
    // A pick is over: the taken colour's code as the code box shows it, or
    // nullopt when the user gave up.
    void pickEnded(const std::optional<QString> &code);

protected:
    void setVisible(bool visible) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TfrmColorPick(SettingsStore *store, const PickerSettings &settings, PickerDialogs &dialogs, QWidget *parent);
    void createAreas();
    void buildMainMenu();
    void wireAreas();
    void wirePicks();
    void FormCreate(const PickerSettings &stored);
    void applyColorParameter();
    void FormMouseWheel(QWidget *target, int delta);
    bool isMenuShortcut(const QKeyEvent &key) const;

    PickerDialogs &dialogs;
    std::unique_ptr<ErrorGuard> guard;
    // A child of the window, made before the areas and gone before them: the
    // guard asks it for a write only while it exists.
    QPointer<WindowSettings> settings;
    QString programVersion;
    QString paramcolor;
    bool shownOnce = false;

    QMenu *pupMain = nullptr;
    ColorPipeline *pipeline = nullptr;
    ChannelEditors *editors = nullptr;
    HistoryActions *history = nullptr;
    ColorCodeBox *codes = nullptr;
    ColorFrameArea *frame = nullptr;
    HsvPictureArea *picture = nullptr;
    NamedColorArea *namedColors = nullptr;
    PaletteArea *palette = nullptr;
    GrabController *grab = nullptr;
    WindowShell *shell = nullptr;
    UpdateCommands *updates = nullptr;
    PickShortcut *pickShortcut = nullptr;
};

} // namespace pigmentrix
