#include "sampling/desktop_portal.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFile>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace pigmentrix {

namespace {

const QString PortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString PortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString ScreenshotInterface = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString RequestInterface = QStringLiteral("org.freedesktop.portal.Request");

// The portal answers on a path made of the caller's bus name and the token,
// so the program can listen there before it asks: no answer is missed.
QString ExpectedRequestPath(const QDBusConnection &bus, const QString &token)
{
    QString sender = bus.baseService();
    sender.remove(0, 1).replace(QLatin1Char('.'), QLatin1Char('_'));
    return QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
}

// A portal that is not there, or has no such call, differs from one that
// fails the call (GNOME's while it still asks the user about an earlier
// request).
PortalRefusal CallRefusal(const QDBusError &error)
{
    switch (error.type()) {
    case QDBusError::ServiceUnknown:
    case QDBusError::UnknownObject:
    case QDBusError::UnknownInterface:
    case QDBusError::UnknownMethod:
    case QDBusError::Disconnected: return PortalRefusal::Missing;
    default: return PortalRefusal::Denied;
    }
}

int ChannelByte(double fraction)
{
    return std::clamp(static_cast<int>(std::floor(fraction * 255.0 + 0.5)), 0, 255);
}

} // namespace

DesktopPortal::DesktopPortal(QDBusConnection bus, QObject *parent)
    : QObject(parent)
    , bus(std::move(bus))
    , answerTimer(new QTimer(this))
{
    answerTimer->setSingleShot(true);
    answerTimer->setInterval(std::chrono::seconds(30));
    connect(answerTimer, &QTimer::timeout, this, [this] { finish(PortalRefusal::NoAnswer); });
}

DesktopPortal::~DesktopPortal()
{
    stopListening();
}

void DesktopPortal::setAnswerTimeout(std::chrono::milliseconds timeout)
{
    answerTimer->setInterval(timeout);
}

void DesktopPortal::requestScreenshot()
{
    request(Call::Screenshot, QStringLiteral("Screenshot"), {{QStringLiteral("interactive"), false}});
}

void DesktopPortal::requestColor()
{
    request(Call::PickColor, QStringLiteral("PickColor"), {});
}

void DesktopPortal::request(Call call, const QString &method, QVariantMap options)
{
    if (busy())
        return;
    pending = call;
    if (!bus.isConnected()) {
        QTimer::singleShot(0, this, [this] { finish(PortalRefusal::Missing); });
        return;
    }
    const QString token = QStringLiteral("pigmentrix%1").arg(++tokens);
    options.insert(QStringLiteral("handle_token"), token);
    listenTo(ExpectedRequestPath(bus, token));
    answerTimer->start();

    QDBusMessage message = QDBusMessage::createMethodCall(PortalService, PortalPath, ScreenshotInterface, method);
    message << QString() << options;
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(message), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, call](QDBusPendingCallWatcher *done) {
        done->deleteLater();
        const QDBusPendingReply<QDBusObjectPath> reply = *done;
        if (pending != call)
            return;
        if (reply.isError()) {
            finish(CallRefusal(reply.error()));
            return;
        }
        // A portal older than the path rule answers where it says.
        if (reply.value().path() != requestPath)
            listenTo(reply.value().path());
    });
}

void DesktopPortal::listenTo(const QString &path)
{
    stopListening();
    requestPath = path;
    bus.connect(PortalService, requestPath, RequestInterface, QStringLiteral("Response"), this,
                SLOT(handleResponse(uint, QVariantMap)));
}

void DesktopPortal::stopListening()
{
    if (requestPath.isEmpty())
        return;
    bus.disconnect(PortalService, requestPath, RequestInterface, QStringLiteral("Response"), this,
                   SLOT(handleResponse(uint, QVariantMap)));
    requestPath.clear();
}

void DesktopPortal::handleResponse(uint response, const QVariantMap &results)
{
    if (!busy())
        return;
    if (response == 1) {
        finish(PortalRefusal::Cancelled);
        return;
    }
    if (response != 0) {
        finish(PortalRefusal::Denied);
        return;
    }
    if (pending == Call::Screenshot)
        takeScreenshot(results);
    else
        takeColor(results);
}

void DesktopPortal::takeScreenshot(const QVariantMap &results)
{
    const QUrl uri(results.value(QStringLiteral("uri")).toString());
    if (!uri.isLocalFile()) {
        finish(PortalRefusal::Unreadable);
        return;
    }
    // The picture is the program's to dispose of once read, and only it.
    const QString file = uri.toLocalFile();
    QImage image(file);
    QFile::remove(file);
    if (image.isNull()) {
        finish(PortalRefusal::Unreadable);
        return;
    }
    answerTimer->stop();
    stopListening();
    pending = Call::None;
    emit screenshotTaken(image);
}

void DesktopPortal::takeColor(const QVariantMap &results)
{
    const QVariant color = results.value(QStringLiteral("color"));
    if (!color.canConvert<QDBusArgument>()) {
        finish(PortalRefusal::Unreadable);
        return;
    }
    double red = 0;
    double green = 0;
    double blue = 0;
    const auto argument = color.value<QDBusArgument>();
    argument.beginStructure();
    argument >> red >> green >> blue;
    argument.endStructure();
    answerTimer->stop();
    stopListening();
    pending = Call::None;
    emit colorPicked(ComposeColor(ChannelByte(red), ChannelByte(green), ChannelByte(blue)));
}

void DesktopPortal::abandon()
{
    if (!busy())
        return;
    if (!requestPath.isEmpty())
        bus.asyncCall(
            QDBusMessage::createMethodCall(PortalService, requestPath, RequestInterface, QStringLiteral("Close")));
    answerTimer->stop();
    stopListening();
    pending = Call::None;
}

void DesktopPortal::finish(PortalRefusal why)
{
    if (!busy())
        return;
    answerTimer->stop();
    stopListening();
    pending = Call::None;
    emit refused(why);
}

} // namespace pigmentrix
