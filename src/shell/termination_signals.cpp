#include "shell/termination_signals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace pigmentrix {
namespace {

constexpr int Watched[] = {SIGTERM, SIGINT, SIGHUP};

// The write end of the pipe, for the handler; -1 while nobody watches.
volatile sig_atomic_t signalPipe = -1;

extern "C" void OnTerminationSignal(int signalNumber)
{
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(signalNumber);
    if (signalPipe >= 0) [[maybe_unused]]
        const ssize_t written = ::write(signalPipe, &byte, 1);
    errno = savedErrno;
}

} // namespace

TerminationSignals::TerminationSignals(QObject *parent)
    : QObject(parent)
{
    if (signalPipe >= 0 || ::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    signalPipe = pipeEnds[1];
    struct sigaction action { };
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signalNumber : Watched)
        ::sigaction(signalNumber, &action, nullptr);
    notifier = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &TerminationSignals::readPipe);
}

TerminationSignals::~TerminationSignals()
{
    if (!notifier)
        return;
    struct sigaction action { };
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int signalNumber : Watched)
        ::sigaction(signalNumber, &action, nullptr);
    signalPipe = -1;
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
}

void TerminationSignals::readPipe()
{
    unsigned char byte = 0;
    while (::read(pipeEnds[0], &byte, 1) == 1)
        emit received(byte);
}

} // namespace pigmentrix
