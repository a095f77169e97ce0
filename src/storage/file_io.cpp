#include "storage/file_io.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace pigmentrix {
namespace {

std::string SystemReason(int error)
{
    return std::strerror(error);
}

// Closes the descriptor on every path out of a function.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd)
        : fd_(fd)
    {
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    int release()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

std::filesystem::path ResolveLink(const std::filesystem::path &path)
{
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error))
        return path;
    const std::filesystem::path target = std::filesystem::read_symlink(path, error);
    if (error)
        return path;
    return target.is_absolute() ? target : path.parent_path() / target;
}

std::string RandomSuffix()
{
    static std::mt19937 generator{std::random_device{}()};
    static constexpr char Letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::uniform_int_distribution<int> pick(0, sizeof Letters - 2);
    std::string suffix;
    for (int i = 0; i < 8; ++i)
        suffix += Letters[pick(generator)];
    return suffix;
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Makes the rename itself survive a crash; a failure here loses nothing.
void SyncFolder(const std::filesystem::path &folder)
{
    FileDescriptor dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get());
}

} // namespace

FileReadResult ReadFileBytes(const std::filesystem::path &path, std::size_t maxBytes)
{
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        return {std::nullopt, SystemReason(errno), errno};
    std::string bytes;
    char buffer[16384];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return {std::nullopt, SystemReason(errno), errno};
        }
        if (got == 0)
            break;
        if (bytes.size() + static_cast<std::size_t>(got) > maxBytes)
            return {std::nullopt, SystemReason(EFBIG), EFBIG};
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    return {std::move(bytes), {}, 0};
}

std::optional<std::string> WriteFileAtomically(const std::filesystem::path &path, std::string_view bytes)
{
    const std::filesystem::path target = ResolveLink(path);
    const std::filesystem::path folder = target.parent_path();

    struct stat existing { };
    const bool targetExists = ::stat(target.c_str(), &existing) == 0;
    if (targetExists && S_ISDIR(existing.st_mode))
        return SystemReason(EISDIR);

    std::filesystem::path temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = folder / ("." + target.filename().string() + "." + RandomSuffix() + ".tmp");
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return SystemReason(errno);
    }
    if (fd < 0)
        return SystemReason(EEXIST);
    FileDescriptor out(fd);

    auto failWith = [&](int error) -> std::optional<std::string> {
        ::close(out.release());
        ::unlink(temporary.c_str());
        return SystemReason(error);
    };
    if (targetExists && ::fchmod(out.get(), existing.st_mode & 07777) != 0)
        return failWith(errno);
    if (!WriteAll(out.get(), bytes))
        return failWith(errno);
    if (::fsync(out.get()) != 0)
        return failWith(errno);
    if (::close(out.release()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return SystemReason(error);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return SystemReason(error);
    }
    SyncFolder(folder);
    return std::nullopt;
}

std::string AbsolutePathText(const std::filesystem::path &path)
{
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return (error ? path : absolute).string();
}

std::string CannotOpenFileMessage(const std::filesystem::path &path, std::string_view reason)
{
    return "Cannot open file \"" + AbsolutePathText(path) + "\". " + std::string(reason);
}

std::string CannotCreateFileMessage(const std::filesystem::path &path, std::string_view reason)
{
    return "Cannot create file \"" + AbsolutePathText(path) + "\". " + std::string(reason);
}

} // namespace pigmentrix
