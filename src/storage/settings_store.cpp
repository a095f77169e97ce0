#include "storage/settings_store.h"

#include "storage/file_io.h"
#include "storage/setting_values.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

namespace pigmentrix {
namespace {

// Far beyond the program's own settings; a bigger file is not ours.
constexpr std::size_t MaxSettingsFileBytes = 1 << 20;

struct ValuePath {
    std::string_view section;
    std::string_view key;
};

ValuePath SplitPath(std::string_view path)
{
    const std::size_t slash = path.rfind('\\');
    if (slash == std::string_view::npos)
        return {SettingsStore::RootSection, path};
    return {path.substr(0, slash), path.substr(slash + 1)};
}

// The first of "<file>.bak", "<file>.bak.1", ... that names nothing yet.
std::filesystem::path FreeBackupPath(const std::filesystem::path &file)
{
    std::filesystem::path backup = file;
    backup += ".bak";
    for (int n = 1;; ++n) {
        std::error_code error;
        if (!std::filesystem::exists(std::filesystem::symlink_status(backup, error)))
            return backup;
        backup = file;
        backup += ".bak." + std::to_string(n);
    }
}

// Without the owner's write bit the user has said "leave this file alone",
// even where the system would let the write through (the superuser).
bool MayWrite(const std::filesystem::path &file)
{
    struct stat status { };
    if (::stat(file.c_str(), &status) != 0)
        return true;
    return (status.st_mode & S_IWUSR) != 0 && ::access(file.c_str(), W_OK) == 0;
}

// Where the store remembers which damaged lines the user has been told of.
constexpr std::string_view DamageToldKey = "UnreadLinesTold";

template <typename Item, typename Text>
std::string Listed(const std::vector<Item> &items, Text text)
{
    std::string listed;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            listed += i + 1 == items.size() ? " and " : ", ";
        listed += text(items[i]);
    }
    return listed;
}

std::string AsciiLower(std::string_view text)
{
    std::string lower(text);
    for (char &c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

// A damaged line by its bytes, as the store remembers it (FNV-1a, 64 bits).
std::string Fingerprint(std::string_view bytes)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

// Why a file the store could not read was put aside, in plain words.
std::string UnreadableBecause(const FileReadResult &read)
{
    if (read.error == EFBIG)
        return "it is larger than 1 MB, far larger than any settings Pigmentrix writes";
    return "the system says: " + read.reason;
}

// Holds an exclusive lock on a folder while it lives; no lock where the
// folder cannot be opened (the write then goes ahead alone).
class FolderLock {
public:
    explicit FolderLock(const std::filesystem::path &folder)
        : fd(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        if (fd >= 0) {
            while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) { }
        }
    }
    ~FolderLock()
    {
        if (fd >= 0)
            ::close(fd);
    }
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

private:
    int fd;
};

} // namespace

SettingsStore::SettingsStore(std::filesystem::path file)
    : file_(std::move(file))
{
    if (file_.empty())
        return;
    std::error_code error;
    if (!std::filesystem::exists(file_, error) && !error)
        return;
    const FileReadResult read = ReadFileBytes(file_, MaxSettingsFileBytes);
    if (!read.bytes) {
        readProblem_ = CannotOpenFileMessage(file_, read.reason);
        unreadableBecause_ = UnreadableBecause(read);
        unreadable_ = true;
        return;
    }
    IniDocument::ParseResult parsed = IniDocument::Parse(*read.bytes);
    document_ = std::move(parsed.document);
    damagedLines_ = std::move(parsed.damagedLines);
    for (const auto &[section, key] : document_.DamagedKeys())
        unreadKeys_.push_back({AsciiLower(section), AsciiLower(key)});
    readOnly_ = !MayWrite(file_);
    document_.ForEachValue([this](std::string_view section, std::string_view key, std::string_view value) {
        written_[{AsciiLower(section), AsciiLower(key)}] = std::string(value);
    });
}

void SettingsStore::TakeCurrentAsWritten()
{
    document_.ForEachValue([this](std::string_view section, std::string_view key, std::string_view value) {
        written_.try_emplace({AsciiLower(section), AsciiLower(key)}, value);
    });
    for (const ValueKey &unread : unreadKeys_)
        written_.erase(unread);
}

std::string SettingsStore::StartNotice() const
{
    const std::string told = ReadString(DamageToldKey, "");
    std::vector<DamagedLine> untold;
    for (const DamagedLine &line : damagedLines_) {
        if (told.find(Fingerprint(line.bytes)) == std::string::npos)
            untold.push_back(line);
    }
    std::string notice;
    if (untold.size() == 1) {
        notice = "Line " + std::to_string(untold.front().number) + " of the settings file \"" + file_.string()
                 + "\" could not be read: it " + untold.front().why
                 + ". Pigmentrix uses the default for whatever setting the line held, and does not mention the "
                   "line again.";
    } else if (untold.size() > 1) {
        notice =
            "Lines " + Listed(untold, [](const DamagedLine &line) { return std::to_string(line.number); })
            + " of the settings file \"" + file_.string() + "\" could not be read: "
            + Listed(untold,
                     [](const DamagedLine &line) { return "line " + std::to_string(line.number) + " " + line.why; })
            + ". Pigmentrix uses the defaults for whatever settings the lines held, and does not mention them "
              "again.";
    }
    if (readOnly_) {
        if (!notice.empty())
            notice += "\n\n";
        notice += "The settings file \"" + file_.string()
                  + "\" is read-only, so Pigmentrix leaves it as it is. Changes you make now last until "
                    "Pigmentrix ends.";
    }
    return notice;
}

std::optional<std::string> SettingsStore::ReadText(std::string_view path) const
{
    const ValuePath where = SplitPath(path);
    return document_.Value(where.section, where.key);
}

void SettingsStore::WriteText(std::string_view path, std::string_view value)
{
    const ValuePath where = SplitPath(path);
    document_.SetValue(where.section, where.key, value);
}

std::optional<int> SettingsStore::TryReadInteger(std::string_view path) const
{
    const auto text = ReadText(path);
    return text ? DecodeInteger(*text) : std::nullopt;
}

std::optional<std::int64_t> SettingsStore::TryReadInt64(std::string_view path) const
{
    const auto text = ReadText(path);
    return text ? DecodeInt64(*text) : std::nullopt;
}

std::optional<bool> SettingsStore::TryReadBoolean(std::string_view path) const
{
    const auto text = ReadText(path);
    return text ? DecodeBoolean(*text) : std::nullopt;
}

std::optional<TColor> SettingsStore::TryReadColor(std::string_view path) const
{
    const auto text = ReadText(path);
    return text ? DecodeColor(*text) : std::nullopt;
}

int SettingsStore::ReadInteger(std::string_view path, int defaultValue) const
{
    return TryReadInteger(path).value_or(defaultValue);
}

std::int64_t SettingsStore::ReadInt64(std::string_view path, std::int64_t defaultValue) const
{
    return TryReadInt64(path).value_or(defaultValue);
}

bool SettingsStore::ReadBoolean(std::string_view path, bool defaultValue) const
{
    return TryReadBoolean(path).value_or(defaultValue);
}

TColor SettingsStore::ReadColor(std::string_view path, TColor defaultValue) const
{
    return TryReadColor(path).value_or(defaultValue);
}

std::string SettingsStore::ReadString(std::string_view path, std::string_view defaultValue) const
{
    return ReadText(path).value_or(std::string(defaultValue));
}

void SettingsStore::WriteInteger(std::string_view path, int value)
{
    WriteText(path, EncodeInteger(value));
}

void SettingsStore::WriteInt64(std::string_view path, std::int64_t value)
{
    WriteText(path, EncodeInt64(value));
}

void SettingsStore::WriteBoolean(std::string_view path, bool value)
{
    WriteText(path, EncodeBoolean(value));
}

void SettingsStore::WriteColor(std::string_view path, TColor value)
{
    WriteText(path, EncodeColor(value));
}

void SettingsStore::WriteString(std::string_view path, std::string_view value)
{
    WriteText(path, value);
}

void SettingsStore::WriteSet(std::string_view group, std::span<const std::string_view> members, unsigned mask)
{
    for (std::size_t bit = 0; bit < members.size(); ++bit)
        WriteBoolean(std::string(group) + "\\" + std::string(members[bit]), (mask >> bit) & 1u);
}

unsigned SettingsStore::ReadSet(std::string_view group, std::span<const std::string_view> members,
                                unsigned current) const
{
    unsigned mask = current;
    for (std::size_t bit = 0; bit < members.size(); ++bit) {
        if (auto on = TryReadBoolean(std::string(group) + "\\" + std::string(members[bit])))
            mask = *on ? (mask | (1u << bit)) : (mask & ~(1u << bit));
    }
    return mask;
}

void SettingsStore::NoteDamageTold()
{
    if (damagedLines_.empty())
        return;
    WriteText(DamageToldKey, Listed(damagedLines_, [](const DamagedLine &line) { return Fingerprint(line.bytes); }));
}

SettingsStore::Prepared SettingsStore::PrepareWrite()
{
    if (file_.empty() || readOnly_)
        return {};
    std::vector<SettingChange> changes;
    document_.ForEachValue([&](std::string_view section, std::string_view key, std::string_view value) {
        const auto was = written_.find({AsciiLower(section), AsciiLower(key)});
        if (was == written_.end() || was->second != value)
            changes.push_back({std::string(section), std::string(key), std::string(value)});
    });
    if (changes.empty())
        return {};

    Prepared prepared;
    if (unreadable_ && !movedAside_) {
        std::error_code error;
        const std::filesystem::path backup = FreeBackupPath(file_);
        std::filesystem::rename(file_, backup, error);
        if (error && error != std::errc::no_such_file_or_directory) {
            prepared.result.error = CannotCreateFileMessage(backup, error.message());
            return prepared;
        }
        movedAside_ = backup;
        readProblem_.clear();
        if (!error) {
            prepared.result.notice = "The settings file \"" + file_.string() + "\" could not be read ("
                                     + unreadableBecause_
                                     + "), so Pigmentrix started with its default settings. The old file is kept "
                                       "as \""
                                     + backup.string() + "\".";
        }
    }
    for (const SettingChange &change : changes)
        written_[{AsciiLower(change.section), AsciiLower(change.key)}] = change.value;
    unreadKeys_.clear();
    prepared.write = SettingsWrite{file_, std::move(changes)};
    return prepared;
}

void SettingsStore::WriteFailed(const SettingsWrite &write)
{
    for (const SettingChange &change : write.changes)
        written_.erase({AsciiLower(change.section), AsciiLower(change.key)});
}

SettingsSaveResult SettingsStore::Save()
{
    Prepared prepared = PrepareWrite();
    if (!prepared.write)
        return prepared.result;
    if (std::optional<std::string> error = WriteSettingsChanges(*prepared.write)) {
        WriteFailed(*prepared.write);
        prepared.result.error = *error;
        return prepared.result;
    }
    prepared.result.written = true;
    return prepared.result;
}

std::optional<std::string> WriteSettingsChanges(const SettingsWrite &write)
{
    const std::filesystem::path folder = write.file.parent_path();
    std::error_code folderError;
    if (!folder.empty())
        std::filesystem::create_directories(folder, folderError);
    if (folderError)
        return CannotCreateFileMessage(write.file, folderError.message());
    const FolderLock lock(folder);

    IniDocument document;
    std::optional<std::string> before;
    std::error_code missing;
    if (std::filesystem::exists(write.file, missing)) {
        if (!MayWrite(write.file))
            return std::nullopt;
        FileReadResult read = ReadFileBytes(write.file, MaxSettingsFileBytes);
        if (!read.bytes)
            return CannotOpenFileMessage(write.file, read.reason);
        before = std::move(read.bytes);
        document = std::move(IniDocument::Parse(*before).document);
    }
    for (const SettingChange &change : write.changes)
        document.SetValue(change.section, change.key, change.value);
    const std::string text = document.Serialize();
    if (before == text)
        return std::nullopt;
    if (auto reason = WriteFileAtomically(write.file, text))
        return CannotCreateFileMessage(write.file, *reason);
    return std::nullopt;
}

} // namespace pigmentrix
