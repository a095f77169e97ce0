#include "picker/pick_command.h"

#include "shell/pick_protocol.h"
#include "shell/single_instance.h"

#include <QFile>

#include <cstdio>
#include <optional>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace pigmentrix {
namespace {

// The command's own answer: the code on standard output.
int Report(const std::optional<PickAnswer> &answer)
{
    if (!answer) {
        std::fputs("pigmentrix: the picker ended before a colour was taken.\n", stderr);
        return 1;
    }
    if (!answer->code)
        return 1;
    std::fputs(answer->code->toUtf8().append('\n').constData(), stdout);
    std::fflush(stdout);
    return 0;
}

// The picker outlives the command: it leaves the command's session (a
// Ctrl+C in the terminal is not for it) and its output, which a shell
// reading "$(pigmentrix /pick)" waits on until every writer has closed it.
void DetachFromCommand()
{
    ::setsid();
    const int nothing = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    if (nothing < 0)
        return;
    for (const int standard : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
        ::dup2(nothing, standard);
    ::close(nothing);
}

} // namespace

PickCommandStart StartPickCommand(const StartOptions &options)
{
    const bool shared = options.singleInstanceCheck && !options.noTray;
    SingleInstance instance(QFile::symLinkTarget(QStringLiteral("/proc/self/exe")));
    if (shared) {
        if (const int running = instance.connectToFirst(1); running >= 0) {
            const std::optional<PickAnswer> answer = AskToPick(running);
            ::close(running);
            return {.exitCode = Report(answer)};
        }
    }

    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) {
        std::perror("pigmentrix: cannot start a picker");
        return {.exitCode = 1};
    }
    std::fflush(nullptr);
    const pid_t picker = ::fork();
    if (picker < 0) {
        std::perror("pigmentrix: cannot start a picker");
        return {.exitCode = 1};
    }
    if (picker == 0) {
        ::close(ends[0]);
        DetachFromCommand();
        return {.runPicker = true, .connection = ends[1]};
    }
    ::close(ends[1]);
    std::optional<PickAnswer> answer = AskToPick(ends[0]);
    ::close(ends[0]);
    // Started at the same moment as another picker, ours gave way to it:
    // that one answers.
    if (!answer && shared) {
        if (const int running = instance.connectToFirst(); running >= 0) {
            answer = AskToPick(running);
            ::close(running);
        }
    }
    return {.exitCode = Report(answer)};
}

} // namespace pigmentrix
