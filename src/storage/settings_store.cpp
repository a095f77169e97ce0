#include "storage/settings_store.h"

#include "storage/file_io.h"
#include "storage/setting_values.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
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

std::string LineList(const std::vector<int> &lines)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += i + 1 == lines.size() ? " and " : ", ";
        text += std::to_string(lines[i]);
    }
    return text;
}

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
        unreadable_ = true;
        return;
    }
    IniDocument::ParseResult parsed = IniDocument::Parse(*read.bytes);
    document_ = std::move(parsed.document);
    damagedLines_ = std::move(parsed.damagedLines);
    savedText_ = *read.bytes;
    readOnly_ = !MayWrite(file_);
}

std::string SettingsStore::StartNotice() const
{
    std::string notice;
    if (!damagedLines_.empty()) {
        notice += (damagedLines_.size() == 1 ? "Line " : "Lines ") + LineList(damagedLines_)
                  + " of the settings file \"" + file_.string() + "\" could not be read. "
                  + (damagedLines_.size() == 1 ? "It is" : "They are")
                  + " kept in the file as they are, and the settings there start from their defaults.";
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

SettingsStore::Prepared SettingsStore::PrepareWrite()
{
    if (file_.empty() || readOnly_)
        return {};
    std::string text = FileText();
    if (savedText_ && *savedText_ == text)
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
            prepared.result.notice = "The settings file \"" + file_.string()
                                     + "\" could not be read, so Pigmentrix started with its default settings. "
                                       "The old file is kept as \""
                                     + backup.string() + "\".";
        }
    }
    savedText_ = text;
    prepared.write = SettingsWrite{file_, std::move(text)};
    return prepared;
}

void SettingsStore::WriteFailed()
{
    savedText_.reset();
}

SettingsSaveResult SettingsStore::Save()
{
    Prepared prepared = PrepareWrite();
    if (!prepared.write)
        return prepared.result;
    if (std::optional<std::string> error = WriteSettingsText(*prepared.write)) {
        WriteFailed();
        prepared.result.error = *error;
        return prepared.result;
    }
    prepared.result.written = true;
    return prepared.result;
}

std::optional<std::string> WriteSettingsText(const SettingsWrite &write)
{
    std::error_code folderError;
    if (!write.file.parent_path().empty())
        std::filesystem::create_directories(write.file.parent_path(), folderError);
    if (folderError)
        return CannotCreateFileMessage(write.file, folderError.message());
    if (auto reason = WriteFileAtomically(write.file, write.text))
        return CannotCreateFileMessage(write.file, *reason);
    return std::nullopt;
}

} // namespace pigmentrix
