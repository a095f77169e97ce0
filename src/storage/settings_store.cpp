#include "storage/settings_store.h"

#include "storage/file_io.h"
#include "storage/setting_values.h"

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

std::filesystem::path BackupPathOf(const std::filesystem::path &file)
{
    std::filesystem::path backup = file;
    backup += ".bak";
    return backup;
}

} // namespace

SettingsStore::SettingsStore(std::filesystem::path file) : file_(std::move(file))
{
    if (file_.empty())
        return;
    std::error_code error;
    if (!std::filesystem::exists(file_, error) && !error)
        return;
    const FileReadResult read = ReadFileBytes(file_, MaxSettingsFileBytes);
    if (!read.bytes) {
        readProblem_ = CannotOpenFileMessage(file_, read.reason);
        return;
    }
    IniDocument::ParseResult parsed = IniDocument::Parse(*read.bytes);
    if (!parsed.document) {
        readProblem_ = "The settings file \"" + file_.string() + "\" is damaged. " + parsed.problem;
        damagedBytes_ = *read.bytes;
        return;
    }
    document_ = std::move(*parsed.document);
    savedText_ = *read.bytes;
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

SettingsSaveResult SettingsStore::Save(SaveOccasion occasion)
{
    if (file_.empty())
        return {};
    const bool fileUnusable = !readProblem_.empty();
    if (fileUnusable && occasion != SaveOccasion::AcceptedClose)
        return {};
    const std::string text = FileText();
    if (savedText_ && *savedText_ == text)
        return {};

    std::error_code folderError;
    if (!file_.parent_path().empty())
        std::filesystem::create_directories(file_.parent_path(), folderError);
    if (folderError)
        return {false, CannotCreateFileMessage(file_, folderError.message())};
    if (damagedBytes_) {
        const std::filesystem::path backup = BackupPathOf(file_);
        if (auto reason = WriteFileAtomically(backup, *damagedBytes_))
            return {false, CannotCreateFileMessage(backup, *reason)};
        damagedBytes_.reset();
    }
    if (auto reason = WriteFileAtomically(file_, text))
        return {false, CannotCreateFileMessage(file_, *reason)};
    readProblem_.clear();
    savedText_ = text;
    return {true, {}};
}

} // namespace pigmentrix
