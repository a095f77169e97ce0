#pragma once

#include "model/color.h"
#include "storage/ini_document.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace pigmentrix {

// When the store is asked to write its file.
enum class SaveOccasion {
    AcceptedClose,   // the user really closed the window
    WindowDestroyed, // the window went away without an accepted close
};

struct SettingsSaveResult {
    bool written = false;
    std::string error; // "Cannot create file ..." when the write failed
};

// The program's settings: named, typed values over the ini file. A value's
// path is "name" for a root value (section "Pigmentrix") or "group\name" for
// a value in a group, whose section is the whole group text, backslashes
// included ("pnlColor_Font\Style\fsBold" is key "fsBold" of section
// "pnlColor_Font\Style").
//
// The file is read once, when the store is made. A file that cannot be read
// or parsed serves defaults and is kept as it is: Save refuses to replace it
// except at an accepted close, and then keeps a copy of the damaged bytes
// beside it ("Pigmentrix.ini.bak") before writing.
class SettingsStore {
public:
    static constexpr std::string_view RootSection = "Pigmentrix";

    // A store over file; an empty path gives a store that only keeps values in
    // memory (nowhere to save).
    explicit SettingsStore(std::filesystem::path file);

    const std::filesystem::path &file() const { return file_; }
    // Why the file was not used, empty when it was read or did not exist.
    const std::string &readProblem() const { return readProblem_; }

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
    // written when the file was unreadable and occasion is not an accepted
    // close, nor when the file already holds exactly these settings.
    SettingsSaveResult Save(SaveOccasion occasion);

private:
    std::filesystem::path file_;
    IniDocument document_;
    std::string readProblem_;
    std::optional<std::string> damagedBytes_;
    std::optional<std::string> savedText_;
};

} // namespace pigmentrix
