#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace pigmentrix {

struct FileReadResult {
    std::optional<std::string> bytes;
    std::string reason; // the system's reason when bytes is empty
    int error = 0; // its errno value (EFBIG for a file above maxBytes)
};

// The whole file, refused with a reason when it is larger than maxBytes.
FileReadResult ReadFileBytes(const std::filesystem::path &path, std::size_t maxBytes);

// Replaces the file with bytes so that readers see either the old or the
// new contents, never a mixture: the bytes go to a temporary file in the
// same folder, are flushed to disk and then renamed over the target (a
// symbolic link is followed, so the file it points to is replaced). A new
// file gets the usual permissions, an existing one keeps its own. Returns
// the system's reason on failure, when the target is left untouched.
std::optional<std::string> WriteFileAtomically(const std::filesystem::path &path, std::string_view bytes);

// The path made absolute, for messages; as it is when that fails.
std::string AbsolutePathText(const std::filesystem::path &path);

// "Cannot open file "<path>". <reason>" and "Cannot create file ...", with
// the absolute path.
std::string CannotOpenFileMessage(const std::filesystem::path &path, std::string_view reason);
std::string CannotCreateFileMessage(const std::filesystem::path &path, std::string_view reason);

} // namespace pigmentrix
