#pragma once

#include "storage/property_bindings.h"

#include <QKeySequence>
#include <QObject>
#include <QPointer>

#include <memory>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace pigmentrix {

class ErrorGuard;
class GlobalShortcut;
class PickShortcutDialog;
class SettingsStore;
struct ShortcutBinding;

// The key combination of the whole desktop that starts a pick: "Pick
// Shortcut..." in the main menu, its dialog, and the setting that keeps it.
// A stored combination is asked for when the window is created, so that a
// picker waiting in the notification area answers it.
class PickShortcut final : public QObject {
    Q_OBJECT

public:
    PickShortcut(QWidget *window, const SettingsStore &store, const ErrorGuard &guard);
    ~PickShortcut() override;

    void addMenuItem(QMenu *menu);
    std::vector<PropertyBinding> storedProperties();
    QKeySequence keys() const { return inForce; }

    void PickShortcut1Click();

signals:
    void activated();

private:
    GlobalShortcut &desktop();
    void bindQuietly(const QKeySequence &wanted);
    void bound(const ShortcutBinding &binding);

    QWidget *window;
    const ErrorGuard &guard;
    // Made on first use: finding out what the session offers may ask the
    // desktop.
    std::unique_ptr<GlobalShortcut> global;
    QKeySequence inForce;
    QKeySequence asked;
    QPointer<PickShortcutDialog> dialog;
    QAction *PickShortcut1 = nullptr;
};

} // namespace pigmentrix
