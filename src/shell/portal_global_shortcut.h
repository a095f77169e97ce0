#pragma once

#include "shell/global_shortcut.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QVariantMap>

#include <functional>

class QTimer;

namespace pigmentrix {

// The desktop portal's GlobalShortcuts: one session for the program's one
// shortcut, "pick", bound with the user's combination as the preferred
// trigger (the desktop may ask the user and choose another); its Activated
// signal starts a pick.
class PortalGlobalShortcut final : public GlobalShortcut {
    Q_OBJECT

public:
    explicit PortalGlobalShortcut(QDBusConnection bus = QDBusConnection::sessionBus(), QObject *parent = nullptr);
    ~PortalGlobalShortcut() override;

    // Whether the portal on this bus has GlobalShortcuts.
    static bool PortalHasShortcuts(const QDBusConnection &bus);

    bool available() const override { return true; }
    void bind(const QKeySequence &keys) override;

private slots:
    void handleResponse(uint response, const QVariantMap &results);
    void handleActivated(const QDBusMessage &message);

private:
    void request(const QString &method, const QList<QVariant> &arguments, QVariantMap options,
                 std::function<void(uint, const QVariantMap &)> answered);
    void createSessionThen(const QKeySequence &keys);
    void bindInSession(const QKeySequence &keys);
    void fail(const QString &message);
    void giveUpWaiting(const QString &message);

    QDBusConnection bus;
    QTimer *answerTimer;
    QString session;
    QString requestPath;
    std::function<void(uint, const QVariantMap &)> pendingAnswer;
    unsigned tokens = 0;
};

} // namespace pigmentrix
