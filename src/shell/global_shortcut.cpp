#include "shell/global_shortcut.h"

#include "shell/portal_global_shortcut.h"
#include "shell/x11_global_shortcut.h"
#include "ui/current_desktop.h"

#include <QGuiApplication>
#include <QStringList>
#include <QtGui/qguiapplication_platform.h>

namespace pigmentrix {
namespace {

// A session in which no combination of the whole desktop can be bound.
class NoGlobalShortcut final : public GlobalShortcut {
public:
    using GlobalShortcut::GlobalShortcut;
    bool available() const override { return false; }
    void bind(const QKeySequence &keys) override
    {
        emit bound({keys.isEmpty() ? ShortcutBinding::Result::Bound : ShortcutBinding::Result::Failed, QString(),
                    DesktopShortcutInstructions()});
    }
};

} // namespace

std::unique_ptr<GlobalShortcut> CreateGlobalShortcut(QObject *parent)
{
    if (QGuiApplication::platformName() == QLatin1String("xcb") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        if (auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
            return std::make_unique<X11GlobalShortcut>(x11->connection(), parent);
    }
    // Inside Wayland (through XWayland too) the desktop owns the keys.
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && PortalGlobalShortcut::PortalHasShortcuts(QDBusConnection::sessionBus()))
        return std::make_unique<PortalGlobalShortcut>(QDBusConnection::sessionBus(), parent);
    return std::make_unique<NoGlobalShortcut>(parent);
}

QString DesktopShortcutInstructions()
{
    const QString intro =
        QStringLiteral("This desktop does not let programs bind keys of their own. Bind a key to the command "
                       "\"pigmentrix /pick\" in the desktop's keyboard settings instead: ");
    if (CurrentDesktopIs(QLatin1String("GNOME")))
        return intro + QStringLiteral("Settings, Keyboard, Keyboard Shortcuts, Custom Shortcuts.");
    if (CurrentDesktopIs(QLatin1String("KDE")))
        return intro + QStringLiteral("System Settings, Shortcuts, Add New, Command or Script.");
    if (CurrentDesktopIs(QLatin1String("sway")))
        return intro
               + QStringLiteral("a line such as \"bindsym Mod4+Shift+c exec pigmentrix /pick\" in the sway "
                                "configuration file.");
    return intro
           + QStringLiteral("on GNOME, Settings, Keyboard, Custom Shortcuts; on KDE Plasma, System Settings, "
                            "Shortcuts; on sway, \"bindsym Mod4+Shift+c exec pigmentrix /pick\".");
}

} // namespace pigmentrix
