#include "storage/named_settings.h"

namespace pigmentrix {
namespace {

int InRangeOr(std::optional<int> value, int low, int high, int fallback)
{
    return (value && *value >= low && *value <= high) ? *value : fallback;
}

} // namespace

NamedSettings ReadNamedSettings(const SettingsStore &store)
{
    const NamedSettings defaults;
    NamedSettings settings;
    settings.upperCase = store.ReadBoolean("uppercase", defaults.upperCase);
    settings.alphaMode = store.ReadBoolean("AlphaMode", defaults.alphaMode);
    settings.layout = InRangeOr(store.TryReadInteger("layout"), 0, 2, defaults.layout);
    settings.displayMode = InRangeOr(store.TryReadInteger("displaymode"), 1, 3, defaults.displayMode);
    settings.checkNewVersion = store.ReadBoolean("CheckNewVersion", defaults.checkNewVersion);
    settings.showTitle = store.ReadBoolean("showtitle", defaults.showTitle);
    settings.paletteName = store.ReadString("palettename", defaults.paletteName);
    return settings;
}

void WriteNamedSettings(SettingsStore &store, const NamedSettings &settings, bool paletteChanged)
{
    store.WriteString("palettename", paletteChanged ? std::string() : settings.paletteName);
    store.WriteBoolean("showtitle", settings.showTitle);
    store.WriteBoolean("uppercase", settings.upperCase);
    store.WriteBoolean("AlphaMode", settings.alphaMode);
    store.WriteBoolean("CheckNewVersion", settings.checkNewVersion);
    store.WriteInteger("layout", settings.layout);
    store.WriteInteger("displaymode", settings.displayMode);
}

} // namespace pigmentrix
