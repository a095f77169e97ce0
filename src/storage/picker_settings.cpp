#include "storage/picker_settings.h"

namespace pigmentrix {
namespace {

template <typename Code>
Code InRangeOr(std::optional<int> value, Code low, Code high, Code fallback)
{
    const bool inRange = value && *value >= static_cast<int>(low) && *value <= static_cast<int>(high);
    return inRange ? static_cast<Code>(*value) : fallback;
}

} // namespace

PickerSettings ReadPickerSettings(const SettingsStore &store)
{
    const PickerSettings defaults;
    PickerSettings settings;
    settings.upperCase = store.ReadBoolean("uppercase", defaults.upperCase);
    settings.alphaMode = store.ReadBoolean("AlphaMode", defaults.alphaMode);
    settings.layout = InRangeOr(store.TryReadInteger("layout"), Layout::Small, Layout::Large, defaults.layout);
    settings.displayMode = InRangeOr(store.TryReadInteger("displaymode"), DisplayMode::ColorWheel,
                                     DisplayMode::HSVRectangle, defaults.displayMode);
    settings.checkNewVersion = store.ReadBoolean("CheckNewVersion", defaults.checkNewVersion);
    settings.showTitle = store.ReadBoolean("showtitle", defaults.showTitle);
    settings.paletteName = store.ReadString("palettename", defaults.paletteName);
    return settings;
}

void WritePickerSettings(SettingsStore &store, const PickerSettings &settings, bool paletteChanged)
{
    store.WriteString("palettename", paletteChanged ? std::string() : settings.paletteName);
    store.WriteBoolean("showtitle", settings.showTitle);
    store.WriteBoolean("uppercase", settings.upperCase);
    store.WriteBoolean("AlphaMode", settings.alphaMode);
    store.WriteBoolean("CheckNewVersion", settings.checkNewVersion);
    store.WriteInteger("layout", static_cast<int>(settings.layout));
    store.WriteInteger("displaymode", static_cast<int>(settings.displayMode));
}

} // namespace pigmentrix
