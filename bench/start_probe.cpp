// Starts a program on the current X display and reports how long it took
// until its first top-level window was mapped, and its memory once shown.
// Usage: pigmentrix_start_probe SETTLE_MS PROGRAM [ARGS...]
// Prints "<milliseconds to map> <VmRSS kB> <Pss kB>" and stops the program.
// Top-level windows are the root's children when no window manager runs (as
// on the private Xvfb of the side-by-side script).
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// The first number after label in a /proc file of pid ("VmRSS:", "Pss:").
long ProcField(pid_t pid, const char *file, const std::string &label)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/" + file);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(label, 0) == 0)
            return std::strtol(line.c_str() + label.size(), nullptr, 10);
    }
    return -1;
}

void Stop(pid_t child)
{
    kill(child, SIGTERM);
    for (int i = 0; i < 50; ++i) {
        if (waitpid(child, nullptr, WNOHANG) == child)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: pigmentrix_start_probe SETTLE_MS PROGRAM [ARGS...]\n");
        return 2;
    }
    const int settleMs = std::atoi(argv[1]);
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "start_probe: no X display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    if (child < 0)
        return 1;

    const int fd = xcb_get_file_descriptor(connection);
    const Clock::time_point deadline = start + std::chrono::seconds(30);
    bool mapped = false;
    while (!mapped && Clock::now() < deadline) {
        if (waitpid(child, nullptr, WNOHANG) == child) {
            std::fprintf(stderr, "start_probe: %s ended before showing a window\n", argv[2]);
            return 1;
        }
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        timeval wait{0, 20000};
        select(fd + 1, &readable, nullptr, nullptr, &wait);
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
            const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(event, &std::free);
            if ((event->response_type & 0x7F) != XCB_MAP_NOTIFY)
                continue;
            const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
            if (!map->override_redirect)
                mapped = true;
        }
    }
    const double milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (!mapped) {
        Stop(child);
        std::fprintf(stderr, "start_probe: %s showed no window in 30 s\n", argv[2]);
        return 1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    const long rss = ProcField(child, "status", "VmRSS:");
    const long pss = ProcField(child, "smaps_rollup", "Pss:");
    Stop(child);
    xcb_disconnect(connection);
    std::printf("%.1f %ld %ld\n", milliseconds, rss, pss);
    return 0;
}
