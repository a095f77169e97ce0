#pragma once

#include "storage/settings_store.h"

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace pigmentrix {

// Writes settings files on a thread of its own, so that the caller never
// waits for the disk. Changes handed over while older ones still wait join
// them, the newer value of a key winning. The thread sleeps while there is
// nothing to write.
class BackgroundWriter {
public:
    // Called on the writer's thread after each write with what it wrote: the
    // error message, or nullopt when the file was written.
    using Done = std::function<void(const SettingsWrite &write, const std::optional<std::string> &error)>;

    explicit BackgroundWriter(Done done);
    // Finishes what was handed over first.
    ~BackgroundWriter();
    BackgroundWriter(const BackgroundWriter &) = delete;
    BackgroundWriter &operator=(const BackgroundWriter &) = delete;

    void Submit(SettingsWrite write);
    // Returns once everything handed over is written.
    void Wait();

private:
    void Run();

    Done done;
    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable idle;
    std::optional<SettingsWrite> pending;
    bool writing = false;
    bool stopping = false;
    std::thread thread;
};

} // namespace pigmentrix
