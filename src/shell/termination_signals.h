#pragma once

#include <QObject>

#include <memory>

class QSocketNotifier;

namespace pigmentrix {

// SIGTERM, SIGINT and SIGHUP (a logout, Ctrl+C, a closed terminal) as a Qt
// signal in the event loop. The handler itself only writes a byte to a pipe;
// everything else happens in the loop. One watcher per process.
class TerminationSignals : public QObject {
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

    // Whether the handlers are in place.
    bool watching() const { return notifier != nullptr; }

signals:
    void received(int signalNumber);

private:
    void readPipe();

    int pipeEnds[2] = {-1, -1};
    QSocketNotifier *notifier = nullptr;
};

} // namespace pigmentrix
