#include "shell/portal_global_shortcut.h"

#include "shell/shortcut_keys.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QTimer>

#include <utility>

namespace pigmentrix {
namespace {

const QString PortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString PortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString ShortcutsInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString RequestInterface = QStringLiteral("org.freedesktop.portal.Request");
const QString PickShortcutId = QStringLiteral("pick");
// The desktop may ask the user first.
constexpr std::chrono::minutes AnswerTime(2);

// One shortcut as the portal takes and gives them: its id and properties.
struct PortalShortcut {
    QString id;
    QVariantMap properties;
};
using PortalShortcuts = QList<PortalShortcut>;

QDBusArgument &operator<<(QDBusArgument &argument, const PortalShortcut &shortcut)
{
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, PortalShortcut &shortcut)
{
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

} // namespace
} // namespace pigmentrix

Q_DECLARE_METATYPE(pigmentrix::PortalShortcut)

namespace pigmentrix {

PortalGlobalShortcut::PortalGlobalShortcut(QDBusConnection bus, QObject *parent)
    : GlobalShortcut(parent)
    , bus(std::move(bus))
    , answerTimer(new QTimer(this))
{
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<PortalShortcuts>();
    answerTimer->setSingleShot(true);
    answerTimer->setInterval(AnswerTime);
    connect(answerTimer, &QTimer::timeout, this,
            [this] { giveUpWaiting(QStringLiteral("The desktop did not answer the request for the shortcut.")); });
    if (!this->bus.connect(PortalService, PortalPath, ShortcutsInterface, QStringLiteral("Activated"), this,
                           SLOT(handleActivated(QDBusMessage))))
        qWarning("Pigmentrix: the portal's shortcut presses cannot be heard");
}

PortalGlobalShortcut::~PortalGlobalShortcut()
{
    if (!session.isEmpty())
        bus.asyncCall(QDBusMessage::createMethodCall(
            PortalService, session, QStringLiteral("org.freedesktop.portal.Session"), QStringLiteral("Close")));
}

bool PortalGlobalShortcut::PortalHasShortcuts(const QDBusConnection &bus)
{
    QDBusMessage get = QDBusMessage::createMethodCall(
        PortalService, PortalPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << ShortcutsInterface << QStringLiteral("version");
    const QDBusMessage reply = bus.call(get, QDBus::BlockWithGui, 2000);
    return reply.type() == QDBusMessage::ReplyMessage;
}

void PortalGlobalShortcut::bind(const QKeySequence &keys)
{
    if (session.isEmpty())
        createSessionThen(keys);
    else
        bindInSession(keys);
}

void PortalGlobalShortcut::createSessionThen(const QKeySequence &keys)
{
    QVariantMap options;
    options.insert(QStringLiteral("session_handle_token"), QStringLiteral("pigmentrix%1").arg(++tokens));
    request(QStringLiteral("CreateSession"), {}, options, [this, keys](uint response, const QVariantMap &results) {
        session = results.value(QStringLiteral("session_handle")).toString();
        if (response != 0 || session.isEmpty()) {
            session.clear();
            fail(QStringLiteral("The desktop did not open a session for shortcuts."));
            return;
        }
        bindInSession(keys);
    });
}

void PortalGlobalShortcut::bindInSession(const QKeySequence &keys)
{
    QVariantMap properties;
    properties.insert(QStringLiteral("description"), QStringLiteral("Pick a Color"));
    if (!keys.isEmpty())
        properties.insert(QStringLiteral("preferred_trigger"), ToPortalTrigger(keys[0]));
    const PortalShortcuts shortcuts{{PickShortcutId, properties}};
    request(QStringLiteral("BindShortcuts"),
            {QVariant::fromValue(QDBusObjectPath(session)), QVariant::fromValue(shortcuts), QString()}, {},
            [this](uint response, const QVariantMap &results) {
                if (response != 0) {
                    fail(QStringLiteral("The desktop refused the shortcut."));
                    return;
                }
                PortalShortcuts given;
                results.value(QStringLiteral("shortcuts")).value<QDBusArgument>() >> given;
                QString trigger;
                for (const PortalShortcut &shortcut : given) {
                    if (shortcut.id == PickShortcutId)
                        trigger = shortcut.properties.value(QStringLiteral("trigger_description")).toString();
                }
                emit bound({ShortcutBinding::Result::Bound, trigger, QString()});
            });
}

void PortalGlobalShortcut::request(const QString &method, const QList<QVariant> &arguments, QVariantMap options,
                                   std::function<void(uint, const QVariantMap &)> answered)
{
    const QString token = QStringLiteral("pigmentrix%1").arg(++tokens);
    options.insert(QStringLiteral("handle_token"), token);
    QString sender = bus.baseService();
    sender.remove(0, 1).replace(QLatin1Char('.'), QLatin1Char('_'));
    // Listening before the call: a fast portal answers before its reply
    // names the request.
    if (!requestPath.isEmpty())
        bus.disconnect(PortalService, requestPath, RequestInterface, QStringLiteral("Response"), this,
                       SLOT(handleResponse(uint, QVariantMap)));
    requestPath = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
    bus.connect(PortalService, requestPath, RequestInterface, QStringLiteral("Response"), this,
                SLOT(handleResponse(uint, QVariantMap)));
    pendingAnswer = std::move(answered);
    answerTimer->start();

    QDBusMessage call = QDBusMessage::createMethodCall(PortalService, PortalPath, ShortcutsInterface, method);
    QList<QVariant> all = arguments;
    all.append(options);
    call.setArguments(all);
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *done) {
        done->deleteLater();
        const QDBusPendingReply<QDBusObjectPath> reply = *done;
        if (reply.isError())
            giveUpWaiting(QStringLiteral("The desktop refused the shortcut: %1").arg(reply.error().message()));
    });
}

void PortalGlobalShortcut::handleResponse(uint response, const QVariantMap &results)
{
    answerTimer->stop();
    if (std::function<void(uint, const QVariantMap &)> answered = std::exchange(pendingAnswer, nullptr))
        answered(response, results);
}

// Activated(o session_handle, s shortcut_id, t timestamp, a{sv} options).
void PortalGlobalShortcut::handleActivated(const QDBusMessage &message)
{
    const QList<QVariant> arguments = message.arguments();
    if (arguments.size() < 2)
        return;
    if (arguments.at(0).value<QDBusObjectPath>().path() == session && arguments.at(1).toString() == PickShortcutId)
        emit activated();
}

void PortalGlobalShortcut::fail(const QString &message)
{
    answerTimer->stop();
    pendingAnswer = nullptr;
    emit bound({ShortcutBinding::Result::Failed, QString(), message});
}

void PortalGlobalShortcut::giveUpWaiting(const QString &message)
{
    // The answer came already (or the request was given up).
    if (pendingAnswer)
        fail(message);
}

} // namespace pigmentrix
