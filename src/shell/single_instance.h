#pragma once

#include <QObject>
#include <QString>

#include <memory>
#include <vector>

class QSocketNotifier;

namespace pigmentrix {

struct PickAnswer;

// One running picker per user, program file and graphical session (X display
// or Wayland socket). The first start holds an
// exclusive lock on a file in the user's runtime folder (the kernel drops it
// when the process ends, however it ends) and listens on a local socket; a
// later start fails to take the lock, asks the running one to come forward
// and ends. The socket is a plain Unix one: requests are one line each,
// "come-forward" or "pick" (pick_protocol.h), whose connection stays open
// until the picker answers.
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
    // A connection to the running instance (its owner closes it), tried
    // attempts times 50 ms apart; -1 where none answers.
    int connectToFirst(int attempts = 20) const;

    // Takes requests from a connection made elsewhere, as from one to the
    // socket: the start that made this picker for a pick command.
    void adoptConnection(int descriptor);
    // Answers every pick request waiting and closes their connections.
    void answerPicks(const PickAnswer &answer);

    // Where the lock and the socket live (for tests and diagnostics).
    QString lockPath() const { return lockFile; }
    QString socketPath() const { return socketName; }

signals:
    // Another start asked this instance to come forward.
    void comeForwardRequested();
    // Another start asks this instance to pick a colour and waits for it.
    void pickRequested();

private:
    class Client;

    void acceptRequests();
    // true when the client waits for an answer to come later.
    bool answer(const QByteArray &request, Client *client);

    QString lockFile;
    QString socketName;
    int lockDescriptor = -1;
    int listening = -1;
    std::unique_ptr<QSocketNotifier> listener;
    std::vector<Client *> waitingPicks;
};

// The graphical session this process runs in: the Wayland socket, else the
// X display without its screen number.
QString GraphicalSession();

// The folder for the lock and socket: $XDG_RUNTIME_DIR, else a private
// folder of the user's under the temporary folder.
QString InstanceRuntimeFolder();

} // namespace pigmentrix
