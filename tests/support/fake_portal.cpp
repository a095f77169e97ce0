#include "fake_portal.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QFile>
#include <QTimer>
#include <QUrl>

namespace pigmentrix {

namespace {
const QString BusName = QStringLiteral("org.freedesktop.portal.Desktop");
const QString ProgramConnection = QStringLiteral("pigmentrix-test-program");
const QString PortalConnection = QStringLiteral("pigmentrix-test-portal");
// The request path the portal promises for a call, and its Response once
// the call has returned, as the real portal answers.
QDBusObjectPath AnswerRequestLater(QObject *context, const QDBusMessage &call, QDBusConnection bus,
                                   const QVariantMap &options, std::optional<uint> response, QVariantMap results)
{
    QString sender = call.service();
    sender.remove(0, 1).replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString path = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
                             .arg(sender, options.value(QStringLiteral("handle_token")).toString());
    if (response) {
        QTimer::singleShot(0, context, [bus, path, code = *response, results]() mutable {
            QDBusMessage signal = QDBusMessage::createSignal(path, QStringLiteral("org.freedesktop.portal.Request"),
                                                             QStringLiteral("Response"));
            signal << code << results;
            bus.send(signal);
        });
    }
    return QDBusObjectPath(path);
}

} // namespace

QDBusArgument &operator<<(QDBusArgument &argument, const BoundShortcut &shortcut)
{
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, BoundShortcut &shortcut)
{
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

PrivateSessionBus::PrivateSessionBus()
{
    // A bus that starts no services: the desktop's own portals, installed
    // or not, stay out of the test and leave nothing running after it.
    const QString socket = folder.filePath(QStringLiteral("bus"));
    const QString config = folder.filePath(QStringLiteral("bus.conf"));
    QFile configFile(config);
    if (!configFile.open(QIODevice::WriteOnly))
        return;
    configFile.write(QStringLiteral("<busconfig><type>session</type><listen>unix:path=%1</listen>"
                                    "<auth>EXTERNAL</auth><policy context=\"default\">"
                                    "<allow send_destination=\"*\" eavesdrop=\"true\"/><allow eavesdrop=\"true\"/>"
                                    "<allow own=\"*\"/></policy></busconfig>")
                         .arg(socket)
                         .toUtf8());
    configFile.close();
    daemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                                                 QStringLiteral("--nopidfile"), QStringLiteral("--print-address")});
    if (!daemon.waitForStarted() || !daemon.waitForReadyRead(5000))
        return;
    address = QString::fromUtf8(daemon.readLine()).trimmed();
    QDBusConnection::connectToBus(address, ProgramConnection);
    QDBusConnection::connectToBus(address, PortalConnection);
}

PrivateSessionBus::~PrivateSessionBus()
{
    QDBusConnection::disconnectFromBus(ProgramConnection);
    QDBusConnection::disconnectFromBus(PortalConnection);
    daemon.terminate();
    daemon.waitForFinished();
}

QDBusConnection PrivateSessionBus::programSide() const
{
    return QDBusConnection(ProgramConnection);
}

QDBusConnection PrivateSessionBus::portalSide() const
{
    return QDBusConnection(PortalConnection);
}

bool FakeScreenshotPortal::publish(QDBusConnection bus)
{
    return bus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), this, QDBusConnection::ExportAllSlots)
           && bus.registerService(BusName);
}

QDBusObjectPath FakeScreenshotPortal::Screenshot(const QString &, const QVariantMap &options)
{
    ++screenshotCalls;
    if (screenshotMissing) {
        sendErrorReply(QDBusError::UnknownMethod, QStringLiteral("No Screenshot here"));
        return {};
    }
    return answerLater(options, screenshotResponse,
                       {{QStringLiteral("uri"), QUrl::fromLocalFile(pictureFile).toString()}});
}

QDBusObjectPath FakeScreenshotPortal::PickColor(const QString &, const QVariantMap &options)
{
    ++colorCalls;
    QDBusArgument color;
    color.beginStructure();
    color << pickedColor[0] << pickedColor[1] << pickedColor[2];
    color.endStructure();
    return answerLater(options, colorResponse, {{QStringLiteral("color"), QVariant::fromValue(color)}});
}

QDBusObjectPath FakeScreenshotPortal::answerLater(const QVariantMap &options, std::optional<uint> response,
                                                  QVariantMap results)
{
    lastOptions = options;
    return AnswerRequestLater(this, message(), connection(), options, response, std::move(results));
}

bool FakeGlobalShortcutsPortal::publish(QDBusConnection bus)
{
    qDBusRegisterMetaType<BoundShortcut>();
    qDBusRegisterMetaType<BoundShortcuts>();
    return bus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), this,
                              QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties)
           && bus.registerService(BusName);
}

QDBusObjectPath FakeGlobalShortcutsPortal::CreateSession(const QVariantMap &options)
{
    ++sessionCalls;
    QString sender = message().service();
    sender.remove(0, 1).replace(QLatin1Char('.'), QLatin1Char('_'));
    lastSession = QStringLiteral("/org/freedesktop/portal/desktop/session/%1/%2")
                      .arg(sender, options.value(QStringLiteral("session_handle_token")).toString());
    return answerLater(options, 0, {{QStringLiteral("session_handle"), lastSession}});
}

QDBusObjectPath FakeGlobalShortcutsPortal::BindShortcuts(const QDBusObjectPath &session,
                                                         const QList<BoundShortcut> &shortcuts, const QString &,
                                                         const QVariantMap &options)
{
    ++bindCalls;
    lastSession = session.path();
    for (const BoundShortcut &shortcut : shortcuts) {
        lastId = shortcut.id;
        lastPreferredTrigger = shortcut.properties.value(QStringLiteral("preferred_trigger")).toString();
    }
    // The one shortcut, bound to the trigger it preferred.
    const BoundShortcuts bound{{lastId,
                                {{QStringLiteral("description"), QStringLiteral("Pick a Color")},
                                 {QStringLiteral("trigger_description"), lastPreferredTrigger}}}};
    return answerLater(options, bindResponse, {{QStringLiteral("shortcuts"), QVariant::fromValue(bound)}});
}

void FakeGlobalShortcutsPortal::activate(const QString &id)
{
    QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/portal/desktop"),
                                                     QStringLiteral("org.freedesktop.portal.GlobalShortcuts"),
                                                     QStringLiteral("Activated"));
    signal << QVariant::fromValue(QDBusObjectPath(lastSession)) << id << qulonglong(0) << QVariantMap();
    QDBusConnection(QStringLiteral("pigmentrix-test-portal")).send(signal);
}

QDBusObjectPath FakeGlobalShortcutsPortal::answerLater(const QVariantMap &options, std::optional<uint> response,
                                                       QVariantMap results)
{
    return AnswerRequestLater(this, message(), connection(), options, response, std::move(results));
}

} // namespace pigmentrix
