#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QSocketNotifier;

namespace pigmentrix {

// One running picker per user, program file and graphical session (X display
// or Wayland socket). The first start holds an
// exclusive lock on a file in the user's runtime folder (the kernel drops it
// when the process ends, however it ends) and listens on a local socket; a
// later start fails to take the lock, asks the running one to come forward
// and ends. The socket is a plain Unix one: requests are one line each.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    // key: the program file's path (copies in other folders are other programs).
    explicit SingleInstance(const QString &programPath, QObject *parent = nullptr);
    ~SingleInstance() override;

    // Takes the lock and starts listening; false when another instance runs.
    bool tryBecomeFirst();

    // Tells the running instance to come forward; true when it was told.
    bool askFirstToComeForward() const;

    // Where the lock and the socket live (for tests and diagnostics).
    QString lockPath() const { return lockFile; }
    QString socketPath() const { return socketName; }

signals:
    // Another start asked this instance to come forward.
    void comeForwardRequested();

private:
    class Client;

    void acceptRequests();
    void answer(const QByteArray &request);

    QString lockFile;
    QString socketName;
    int lockDescriptor = -1;
    int listening = -1;
    std::unique_ptr<QSocketNotifier> listener;
};

// The graphical session this process runs in: the Wayland socket, else the
// X display without its screen number.
QString GraphicalSession();

// The folder for the lock and socket: $XDG_RUNTIME_DIR, else a private
// folder of the user's under the temporary folder.
QString InstanceRuntimeFolder();

} // namespace pigmentrix
