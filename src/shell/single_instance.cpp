#include "shell/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pigmentrix {
namespace {

constexpr QByteArrayView ComeForward = "come-forward\n";

QString ProgramKey(const QString &programPath, const QString &session)
{
    const QString canonical = QFileInfo(programPath).canonicalFilePath();
    const QString key = (canonical.isEmpty() ? programPath : canonical) + QLatin1Char('\n') + session;
    const QByteArray hash = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha256);
    return QString::fromLatin1(hash.toHex().left(16));
}

} // namespace

QString GraphicalSession()
{
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (!wayland.isEmpty())
        return QStringLiteral("wayland:") + wayland;
    // ":0" and ":0.1" are screens of one display, one session.
    QString display = qEnvironmentVariable("DISPLAY");
    const qsizetype colon = display.lastIndexOf(QLatin1Char(':'));
    const qsizetype dot = display.indexOf(QLatin1Char('.'), colon + 1);
    if (colon >= 0 && dot > colon)
        display.truncate(dot);
    return QStringLiteral("x11:") + display;
}

namespace {

} // namespace

QString InstanceRuntimeFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return runtime;
    const QString fallback = QDir::tempPath() + QStringLiteral("/pigmentrix-%1").arg(getuid());
    ::mkdir(QFile::encodeName(fallback).constData(), 0700);
    return fallback;
}

SingleInstance::SingleInstance(const QString &programPath, QObject *parent)
    : QObject(parent)
{
    const QString base =
        InstanceRuntimeFolder() + QStringLiteral("/pigmentrix-") + ProgramKey(programPath, GraphicalSession());
    lockFile = base + QStringLiteral(".lock");
    socketName = base + QStringLiteral(".socket");
}

SingleInstance::~SingleInstance()
{
    if (server)
        server->close();
    if (lockDescriptor >= 0)
        ::close(lockDescriptor);
}

bool SingleInstance::tryBecomeFirst()
{
    lockDescriptor = ::open(QFile::encodeName(lockFile).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lockDescriptor < 0)
        return true; // Without a lock file the check cannot refuse anyone.
    if (::flock(lockDescriptor, LOCK_EX | LOCK_NB) != 0) {
        ::close(lockDescriptor);
        lockDescriptor = -1;
        return false;
    }
    // The lock is ours, so any socket file left behind is from a dead instance.
    QLocalServer::removeServer(socketName);
    server = std::make_unique<QLocalServer>();
    server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server.get(), &QLocalServer::newConnection, this, &SingleInstance::acceptRequests);
    server->listen(socketName);
    return true;
}

void SingleInstance::acceptRequests()
{
    while (QLocalSocket *client = server->nextPendingConnection()) {
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        connect(client, &QLocalSocket::readyRead, this, [this, client] {
            if (client->readAll().contains(ComeForward.toByteArray().trimmed()))
                emit comeForwardRequested();
            client->disconnectFromServer();
        });
    }
}

bool SingleInstance::askFirstToComeForward() const
{
    // The first instance may hold the lock a moment before it listens.
    for (int attempt = 0; attempt < 20; ++attempt) {
        QLocalSocket socket;
        socket.connectToServer(socketName);
        if (socket.waitForConnected(250)) {
            socket.write(ComeForward.data(), ComeForward.size());
            const bool written = socket.waitForBytesWritten(1000);
            socket.disconnectFromServer();
            return written;
        }
        QThread::msleep(50);
    }
    return false;
}

} // namespace pigmentrix
