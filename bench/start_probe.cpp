// Starts a program on the current X display and reports how long it took
// until its first top-level window was mapped, and its memory once shown.
// Usage: pigmentrix_start_probe SETTLE_MS PROGRAM [ARGS...]
// Prints "<milliseconds to map> <VmRSS kB> <Pss kB> <shared objects>" and
// stops the program; shared objects are those the program itself has mapped.
// Memory counts the program and every process it has started that still
// runs, so work handed to a helper process is not hidden.
// Top-level windows are the root's children when no window manager runs (as
// on the private Xvfb of the side-by-side script).
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

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

// How many different shared objects pid has mapped.
std::size_t SharedObjects(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/maps");
    std::set<std::string> objects;
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t path = line.find('/');
        if (path == std::string::npos)
            continue;
        const std::string file = line.substr(path);
        if (file.ends_with(".so") || file.find(".so.") != std::string::npos)
            objects.insert(file);
    }
    return objects.size();
}

// The parent of pid, or -1 when it is gone.
pid_t ParentOf(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // The command name in brackets may hold blanks; the state and parent follow it.
    const std::size_t close = stat.rfind(')');
    if (close == std::string::npos)
        return -1;
    char state = 0;
    int parent = -1;
    return std::sscanf(stat.c_str() + close + 1, " %c %d", &state, &parent) == 2 ? parent : -1;
}

// pid and all its living descendants.
std::vector<pid_t> ProcessTree(pid_t pid)
{
    std::map<pid_t, std::vector<pid_t>> children;
    for (const auto &entry : std::filesystem::directory_iterator("/proc")) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        const pid_t process = std::stoi(name);
        children[ParentOf(process)].push_back(process);
    }
    std::vector<pid_t> tree{pid};
    for (std::size_t i = 0; i < tree.size(); ++i) {
        const auto found = children.find(tree[i]);
        if (found != children.end())
            tree.insert(tree.end(), found->second.begin(), found->second.end());
    }
    return tree;
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
        // The probe's own output is its figures: what the program prints goes elsewhere.
        const int nothing = open("/dev/null", O_WRONLY);
        if (nothing >= 0)
            dup2(nothing, STDOUT_FILENO);
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
    long rss = 0;
    long pss = 0;
    for (const pid_t process : ProcessTree(child)) {
        rss += std::max(0L, ProcField(process, "status", "VmRSS:"));
        pss += std::max(0L, ProcField(process, "smaps_rollup", "Pss:"));
    }
    const std::size_t objects = SharedObjects(child);
    Stop(child);
    xcb_disconnect(connection);
    std::printf("%.1f %ld %ld %zu\n", milliseconds, rss, pss, objects);
    return 0;
}
