// Feeds arbitrary text to the settings file reader. An accepted file must be
// written back to text that reads the same; a value set in it must read back
// unchanged after a round trip through the text. The input is split at its
// first two NUL bytes into the file, a key and a value.
#include "storage/ini_document.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace {

using pigmentrix::IniDocument;

std::string_view TakeUntilNul(std::string_view &rest)
{
    const std::size_t end = rest.find('\0');
    const std::string_view part = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    return part;
}

IniDocument ReadBack(const IniDocument &document)
{
    return IniDocument::Parse(document.Serialize()).document;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::string_view rest(reinterpret_cast<const char *>(data), size);
    const std::string_view text = TakeUntilNul(rest);
    const std::string_view key = TakeUntilNul(rest);
    const std::string_view value = rest;

    IniDocument::ParseResult parsed = IniDocument::Parse(text);
    // A damaged line reads as damaged again, at the same place.
    if (IniDocument::Parse(parsed.document.Serialize()).damagedLines.size() != parsed.damagedLines.size())
        std::abort();
    IniDocument document = std::move(parsed.document);
    const std::string written = document.Serialize();
    if (ReadBack(document).Serialize() != written)
        std::abort();

    try {
        document.SetValue("Fuzz", key, value);
    } catch (const std::invalid_argument &) {
        return 0;
    }
    const std::optional<std::string> stored = document.Value("Fuzz", key);
    const std::optional<std::string> readBack = ReadBack(document).Value("Fuzz", key);
    if (!stored || stored != readBack)
        std::abort();
    return 0;
}
