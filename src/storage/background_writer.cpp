#include "storage/background_writer.h"

#include <iterator>

namespace pigmentrix {

BackgroundWriter::BackgroundWriter(Done done)
    : done(std::move(done))
{
}

BackgroundWriter::~BackgroundWriter()
{
    {
        const std::lock_guard lock(mutex);
        stopping = true;
    }
    wake.notify_one();
    if (thread.joinable())
        thread.join();
}

void BackgroundWriter::Submit(SettingsWrite write)
{
    {
        const std::lock_guard lock(mutex);
        if (pending && pending->file == write.file)
            pending->changes.insert(pending->changes.end(), std::make_move_iterator(write.changes.begin()),
                                    std::make_move_iterator(write.changes.end()));
        else
            pending = std::move(write);
        // Started at the first write: a program that never writes has no
        // thread to wake.
        if (!thread.joinable())
            thread = std::thread([this] { Run(); });
    }
    wake.notify_one();
}

void BackgroundWriter::Wait()
{
    std::unique_lock lock(mutex);
    idle.wait(lock, [this] { return !pending && !writing; });
}

void BackgroundWriter::Run()
{
    std::unique_lock lock(mutex);
    for (;;) {
        wake.wait(lock, [this] { return pending || stopping; });
        if (!pending)
            return;
        const SettingsWrite write = std::move(*pending);
        pending.reset();
        writing = true;
        lock.unlock();
        const std::optional<std::string> error = WriteSettingsChanges(write);
        done(write, error);
        lock.lock();
        writing = false;
        if (!pending)
            idle.notify_all();
    }
}

} // namespace pigmentrix
