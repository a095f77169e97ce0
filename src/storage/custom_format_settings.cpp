#include "storage/custom_format_settings.h"

#include <algorithm>

namespace pigmentrix {
namespace {

constexpr std::string_view CountPath = "CustomFormats\\Count";

std::string NamePath(int i)
{
    return "CustomFormats\\Name" + std::to_string(i);
}

std::string TemplatePath(int i)
{
    return "CustomFormats\\Template" + std::to_string(i);
}

// Beyond this a count is damage, not formats.
constexpr int MostFormats = 1000;

} // namespace

StoredCustomFormats ReadCustomFormats(const SettingsStore &store)
{
    StoredCustomFormats stored;
    std::vector<std::string> names;
    const int count = std::clamp(store.ReadInteger(CountPath, 0), 0, MostFormats);
    for (int i = 1; i <= count; ++i) {
        const CustomFormat format{store.ReadString(NamePath(i), ""), store.ReadString(TemplatePath(i), "")};
        const std::string problem = CustomFormatProblem(format, names);
        if (problem.empty()) {
            names.push_back(format.name);
            stored.formats.push_back(format);
            continue;
        }
        stored.unusable.push_back(format);
        stored.notice += (stored.notice.empty() ? "" : "\n")
                         + ("Custom format " + std::to_string(i) + " '" + format.name + "' is left out: " + problem);
    }
    return stored;
}

void WriteCustomFormats(SettingsStore &store, std::span<const CustomFormat> formats)
{
    const int count = static_cast<int>(formats.size());
    const int written = std::clamp(store.ReadInteger(CountPath, 0), 0, MostFormats);
    if (count == 0 && written == 0)
        return;
    store.WriteInteger(CountPath, count);
    for (int i = 1; i <= count; ++i) {
        store.WriteString(NamePath(i), formats[static_cast<std::size_t>(i - 1)].name);
        store.WriteString(TemplatePath(i), formats[static_cast<std::size_t>(i - 1)].text);
    }
    for (int i = count + 1; i <= written; ++i) {
        store.WriteString(NamePath(i), "");
        store.WriteString(TemplatePath(i), "");
    }
}

} // namespace pigmentrix
