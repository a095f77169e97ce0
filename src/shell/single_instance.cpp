#include "shell/single_instance.h"

#include "shell/pick_protocol.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <optional>
#include <utility>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace pigmentrix {
namespace {

constexpr QByteArrayView ComeForward = "come-forward\n";
// A request is one short line.
constexpr qsizetype LongestRequest = 256;

std::optional<sockaddr_un> SocketAddress(const QString &path)
{
    const QByteArray encoded = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (static_cast<std::size_t>(encoded.size()) >= sizeof(address.sun_path))
        return std::nullopt;
    std::memcpy(address.sun_path, encoded.constData(), static_cast<std::size_t>(encoded.size()));
    return address;
}

// A listening socket only the user can reach (the folder is the user's,
// the socket file the user's alone); -1 where it cannot be made.
int Listen(const QString &path)
{
    const std::optional<sockaddr_un> address = SocketAddress(path);
    if (!address)
        return -1;
    const int listening = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (listening < 0)
        return -1;
    // The lock is ours, so a socket file left behind is a dead instance's.
    ::unlink(address->sun_path);
    const mode_t before = ::umask(0077);
    const bool bound = ::bind(listening, reinterpret_cast<const sockaddr *>(&*address), sizeof(*address)) == 0;
    ::umask(before);
    if (!bound || ::listen(listening, 16) != 0) {
        ::close(listening);
        return -1;
    }
    return listening;
}

// A connection to the running instance; -1 where none answers.
int Connect(const QString &path)
{
    const std::optional<sockaddr_un> address = SocketAddress(path);
    if (!address)
        return -1;
    const int connection = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (connection < 0)
        return -1;
    if (::connect(connection, reinterpret_cast<const sockaddr *>(&*address), sizeof(*address)) != 0) {
        ::close(connection);
        return -1;
    }
    return connection;
}

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

// One client of the running instance: its request line, read as it comes.
class SingleInstance::Client : public QObject {
public:
    Client(int descriptor, SingleInstance *instance)
        : QObject(instance)
        , descriptor(descriptor)
        , notifier(descriptor, QSocketNotifier::Read)
    {
        connect(&notifier, &QSocketNotifier::activated, this, [this, instance] { read(instance); });
    }
    ~Client() override { ::close(descriptor); }

    void reply(QByteArrayView line)
    {
        // A command that gave up waiting has closed its end: nothing to do.
        const int flags = ::fcntl(descriptor, F_GETFL);
        ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK);
        SendAll(descriptor, line);
        deleteLater();
    }

private:
    void read(SingleInstance *instance)
    {
        char chunk[LongestRequest];
        const ssize_t count = ::recv(descriptor, chunk, sizeof chunk, 0);
        if (count < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        if (count > 0)
            request.append(chunk, count);
        const bool complete = request.contains('\n');
        if (complete || count <= 0 || request.size() > LongestRequest) {
            notifier.setEnabled(false);
            if (!complete || !instance->answer(request.left(request.indexOf('\n') + 1), this))
                deleteLater();
        }
    }

    int descriptor;
    QSocketNotifier notifier;
    QByteArray request;
};

SingleInstance::~SingleInstance()
{
    if (listening >= 0) {
        ::close(listening);
        ::unlink(QFile::encodeName(socketName).constData());
    }
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
    listening = Listen(socketName);
    if (listening >= 0) {
        listener = std::make_unique<QSocketNotifier>(listening, QSocketNotifier::Read);
        connect(listener.get(), &QSocketNotifier::activated, this, &SingleInstance::acceptRequests);
    }
    return true;
}

void SingleInstance::acceptRequests()
{
    for (;;) {
        const int client = ::accept4(listening, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (client < 0)
            return;
        new Client(client, this);
    }
}

bool SingleInstance::answer(const QByteArray &request, Client *client)
{
    if (request == ComeForward.toByteArray()) {
        emit comeForwardRequested();
    } else if (request == PickRequest.toByteArray()) {
        waitingPicks.push_back(client);
        emit pickRequested();
        return true;
    }
    return false;
}

void SingleInstance::adoptConnection(int descriptor)
{
    ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) | O_NONBLOCK);
    new Client(descriptor, this);
}

void SingleInstance::answerPicks(const PickAnswer &pickAnswer)
{
    const QByteArray line = EncodePickAnswer(pickAnswer);
    for (Client *client : std::exchange(waitingPicks, {}))
        client->reply(line);
}

bool SingleInstance::askFirstToComeForward() const
{
    const int connection = connectToFirst();
    if (connection < 0)
        return false;
    const bool written = SendAll(connection, ComeForward);
    ::close(connection);
    return written;
}

int SingleInstance::connectToFirst(int attempts) const
{
    // The first instance may hold the lock a moment before it listens.
    for (int attempt = 0; attempt < attempts; ++attempt) {
        if (attempt > 0)
            QThread::msleep(50);
        const int connection = Connect(socketName);
        if (connection >= 0)
            return connection;
    }
    return -1;
}

} // namespace pigmentrix
