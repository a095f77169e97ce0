#pragma once

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusObjectPath>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QVariantMap>

#include <array>
#include <optional>

namespace pigmentrix {

// A session bus of the test's own: a dbus-daemon on a socket in a temporary
// folder, with one connection for the program and one for the portal.
class PrivateSessionBus {
public:
    PrivateSessionBus();
    ~PrivateSessionBus();

    bool running() const { return !address.isEmpty(); }
    QDBusConnection programSide() const;
    QDBusConnection portalSide() const;

private:
    QTemporaryDir folder;
    QProcess daemon;
    QString address;
};

// The desktop portal's Screenshot interface as a test wants it to answer.
// Each call is recorded; the Response comes after the call has returned,
// on the request path the portal promises, as the real one does.
class FakeScreenshotPortal final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")

public:
    // The response code (0 done, 1 cancelled, 2 other), or none at all.
    std::optional<uint> screenshotResponse = 0;
    // A portal without screenshots: the call itself fails.
    bool screenshotMissing = false;
    std::optional<uint> colorResponse = 0;
    // The picture a successful screenshot hands out, as a file URI.
    QString pictureFile;
    std::array<double, 3> pickedColor{0, 0, 0};

    int screenshotCalls = 0;
    int colorCalls = 0;
    QVariantMap lastOptions;

    // Takes the portal's name on the bus; false when that fails.
    bool publish(QDBusConnection bus);

public slots:
    QDBusObjectPath Screenshot(const QString &parentWindow, const QVariantMap &options);
    QDBusObjectPath PickColor(const QString &parentWindow, const QVariantMap &options);

private:
    QDBusObjectPath answerLater(const QVariantMap &options, std::optional<uint> response, QVariantMap results);
};

// One shortcut as the GlobalShortcuts portal hands them out: (sa{sv}).
struct BoundShortcut {
    QString id;
    QVariantMap properties;
};
using BoundShortcuts = QList<BoundShortcut>;
QDBusArgument &operator<<(QDBusArgument &argument, const BoundShortcut &shortcut);
const QDBusArgument &operator>>(const QDBusArgument &argument, BoundShortcut &shortcut);

// The desktop portal's GlobalShortcuts interface (xdg-desktop-portal 1.18
// and later) as a test wants it: sessions are granted, BindShortcuts
// answers with the response the test chose and reports the preferred
// trigger as the bound one, and activate() sends Activated for a session.
class FakeGlobalShortcutsPortal final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.GlobalShortcuts")
    Q_PROPERTY(uint version READ version)

public:
    uint version() const { return 1; }
    std::optional<uint> bindResponse = 0;

    int sessionCalls = 0;
    int bindCalls = 0;
    // What the last BindShortcuts asked: the shortcut's id and its
    // preferred trigger.
    QString lastId;
    QString lastPreferredTrigger;
    QString lastSession;

    bool publish(QDBusConnection bus);
    // The desktop saw the shortcut's keys pressed.
    void activate(const QString &id);

public slots:
    QDBusObjectPath CreateSession(const QVariantMap &options);
    QDBusObjectPath BindShortcuts(const QDBusObjectPath &session, const QList<pigmentrix::BoundShortcut> &shortcuts,
                                  const QString &parentWindow, const QVariantMap &options);

private:
    QDBusObjectPath answerLater(const QVariantMap &options, std::optional<uint> response, QVariantMap results);
};

} // namespace pigmentrix

Q_DECLARE_METATYPE(pigmentrix::BoundShortcut)
