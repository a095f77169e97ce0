#pragma once

#include "model/color.h"
#include "storage/ini_document.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pigmentrix {

struct SettingsSaveResult {
    bool written = false;
    std::string error; // "Cannot create file ..." when the write failed
    // Said once, at the write that moved an unreadable file aside.
    std::string notice;
};

// One value to put into the file: a section, a key and the value.
struct SettingChange {
    std::string section;
    std::string key;
    std::string value;
};

// The values to put into the file, in order, and which file, for a write made
// away from the store (WriteSettingsChanges does it).
struct SettingsWrite {
    std::filesystem::path file;
    std::vector<SettingChange> changes;
};

// The program's settings: named, typed values over the ini file. A value's
// path is "name" for a root value (section "Pigmentrix") or "group\name" for
// a value in a group, whose section is the whole group text, backslashes
// included ("pnlColor_Font\Style\fsBold" is key "fsBold" of section
// "pnlColor_Font\Style").
//
// The file is read when the store is made. A write puts only the values
// this store changed into the file as it is at that moment (read again,
// merged, replaced atomically under a lock on its folder), so that two
// programs sharing the file keep each other's changes. A line the reader
// cannot take costs that line only: it has no value and is written back as
// it was, until its key is set. A file that cannot be read at all (no
// permission, too large) serves defaults and is never overwritten: the first
// write renames it to "Pigmentrix.ini.bak" (or ".bak.1", ".bak.2", ... when
// that name is taken). A file without write permission is left alone:
// nothing is written.
class SettingsStore {
public:
    static constexpr std::string_view RootSection = "Pigmentrix";

    // A store over file; an empty path gives a store that only keeps values in
    // memory (nowhere to save).
    explicit SettingsStore(std::filesystem::path file);

    const std::filesystem::path &file() const { return file_; }
    // Why the file was not used, empty when it was read or did not exist.
    const std::string &readProblem() const { return readProblem_; }
    using DamagedLine = IniDocument::ParseResult::DamagedLine;
    // The lines of the file that could not be read.
    const std::vector<DamagedLine> &damagedLines() const { return damagedLines_; }
    bool readOnly() const { return readOnly_; }
    // What the user is told when the window first shows: damaged lines not
    // told of before, a read-only file; empty when there is nothing to say.
    std::string StartNotice() const;
    // The damaged lines have been told of: the file remembers it, and the
    // next start says nothing of them.
    void NoteDamageTold();

    // The values the file lacked count as written as they are now (the
    // defaults a program starts from): a later write puts only what changes
    // after this into the file, and what differs from the file already.
    // Values whose line in the file is damaged stay to be written, in place
    // of that line.
    void TakeCurrentAsWritten();

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

    // The settings this store holds, as a file of their own.
    std::string FileText() const { return document_.Serialize(); }

    // A set: the group holds one Boolean per member, named after it; bit i of
    // the mask stands for members[i]. Reading starts from current and takes
    // each member that is stored in a readable form.
    void WriteSet(std::string_view group, std::span<const std::string_view> members, unsigned mask);
    unsigned ReadSet(std::string_view group, std::span<const std::string_view> members, unsigned current) const;

    // Puts the values changed since the last write into the file, creating
    // its folder when needed. Nothing is written for a read-only file, nor
    // when nothing changed.
    SettingsSaveResult Save();

    // Save in two halves, for a write on another thread: PrepareWrite does
    // everything but the writing itself (an unreadable file is moved aside
    // here) and takes the changes as written; WriteFailed undoes that when
    // the write then fails, so that the next save tries them again.
    struct Prepared {
        std::optional<SettingsWrite> write;
        SettingsSaveResult result;
    };
    Prepared PrepareWrite();
    void WriteFailed(const SettingsWrite &write);

private:
    using ValueKey = std::pair<std::string, std::string>; // section and key, ASCII lower case

    std::filesystem::path file_;
    IniDocument document_;
    // The values as last read or written, by this store's own account.
    std::map<ValueKey, std::string> written_;
    // Keys whose line in the file could not be read: written at the next
    // write whatever their value, to take that line's place.
    std::vector<ValueKey> unreadKeys_;
    std::string readProblem_;
    std::string unreadableBecause_; // for the notice when the file is moved aside
    std::vector<DamagedLine> damagedLines_;
    bool unreadable_ = false;
    bool readOnly_ = false;
    std::optional<std::filesystem::path> movedAside_;
};

// Puts write.changes into write.file as it is now: read (a missing file is an
// empty one), changed, replaced atomically, creating its folder; all under an
// exclusive lock on the folder, so that two writers never mix. A file that
// has lost its write permission meanwhile is left alone. The "Cannot create
// file ..." or "Cannot open file ..." message on failure.
std::optional<std::string> WriteSettingsChanges(const SettingsWrite &write);

} // namespace pigmentrix
