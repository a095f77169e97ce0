#pragma once

#include "model/color.h"
#include "storage/ini_document.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pigmentrix {

struct SettingsSaveResult {
    bool written = false;
    std::string error; // "Cannot create file ..." when the write failed
    // Said once, at the write that moved an unreadable file aside.
    std::string notice;
};

// The text to write and where, for a write made away from the store
// (WriteSettingsText does it).
struct SettingsWrite {
    std::filesystem::path file;
    std::string text;
};

// The program's settings: named, typed values over the ini file. A value's
// path is "name" for a root value (section "Pigmentrix") or "group\name" for
// a value in a group, whose section is the whole group text, backslashes
// included ("pnlColor_Font\Style\fsBold" is key "fsBold" of section
// "pnlColor_Font\Style").
//
// The file is read once, when the store is made. A line the reader cannot
// take costs that line only: it has no value and is written back as it was.
// A file that cannot be read at all (no permission, too large) serves
// defaults and is never overwritten: the first write renames it to
// "Pigmentrix.ini.bak" (or ".bak.1", ".bak.2", ... when that name is taken).
// A file without write permission is left alone: nothing is written.
class SettingsStore {
public:
    static constexpr std::string_view RootSection = "Pigmentrix";

    // A store over file; an empty path gives a store that only keeps values in
    // memory (nowhere to save).
    explicit SettingsStore(std::filesystem::path file);

    const std::filesystem::path &file() const { return file_; }
    // Why the file was not used, empty when it was read or did not exist.
    const std::string &readProblem() const { return readProblem_; }
    // The lines of the file that could not be read, numbered from 1.
    const std::vector<int> &damagedLines() const { return damagedLines_; }
    bool readOnly() const { return readOnly_; }
    // What the user is told when the window first shows: damaged lines, a
    // read-only file; empty when the file was fine.
    std::string StartNotice() const;

    std::optional<std::string> ReadText(std::string_view path) const;
    void WriteText(std::string_view path, std::string_view value);

    // Each gives nullopt when the value is missing or not of its kind.
    std::optional<int> TryReadInteger(std::string_view path) const;
    std::optional<std::int64_t> TryReadInt64(std::string_view path) const;
    std::optional<bool> TryReadBoolean(std::string_view path) const;
    std::optional<TColor> TryReadColor(std::string_view path) const;

    // As above with the reader's default in place of nullopt.
    int ReadInteger(std::string_view path, int defaultValue) const;
    std::int64_t ReadInt64(std::string_view path, std::int64_t defaultValue) const;
    bool ReadBoolean(std::string_view path, bool defaultValue) const;
    TColor ReadColor(std::string_view path, TColor defaultValue) const;
    std::string ReadString(std::string_view path, std::string_view defaultValue) const;

    void WriteInteger(std::string_view path, int value);
    void WriteInt64(std::string_view path, std::int64_t value);
    void WriteBoolean(std::string_view path, bool value);
    void WriteColor(std::string_view path, TColor value);
    void WriteString(std::string_view path, std::string_view value);

    // The text Save would write.
    std::string FileText() const { return document_.Serialize(); }

    // A set: the group holds one Boolean per member, named after it; bit i of
    // the mask stands for members[i]. Reading starts from current and takes
    // each member that is stored in a readable form.
    void WriteSet(std::string_view group, std::span<const std::string_view> members, unsigned mask);
    unsigned ReadSet(std::string_view group, std::span<const std::string_view> members, unsigned current) const;

    // Writes the file atomically, creating its folder when needed. Nothing is
    // written for a read-only file, nor when the file already holds exactly
    // these settings.
    SettingsSaveResult Save();

    // Save in two halves, for a write on another thread: PrepareWrite does
    // everything but the writing itself (an unreadable file is moved aside
    // here) and takes the text as written; WriteFailed undoes that when the
    // write then fails, so that the next save tries again.
    struct Prepared {
        std::optional<SettingsWrite> write;
        SettingsSaveResult result;
    };
    Prepared PrepareWrite();
    void WriteFailed();

private:
    std::filesystem::path file_;
    IniDocument document_;
    std::string readProblem_;
    std::vector<int> damagedLines_;
    bool unreadable_ = false;
    bool readOnly_ = false;
    std::optional<std::filesystem::path> movedAside_;
    std::optional<std::string> savedText_;
};

// Writes write.text to write.file atomically, creating its folder; the
// "Cannot create file ..." message on failure.
std::optional<std::string> WriteSettingsText(const SettingsWrite &write);

} // namespace pigmentrix
