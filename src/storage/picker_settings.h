#pragma once

#include "model/view_choices.h"
#include "storage/settings_store.h"

#include <string>

namespace pigmentrix {

// The root values the window reads when it is created and writes when it
// really closes; the members hold the defaults of a fresh start.
struct PickerSettings {
    bool upperCase = true; // "uppercase"
    bool alphaMode = true; // "AlphaMode"
    Layout layout = Layout::Large; // "layout"
    DisplayMode displayMode = DisplayMode::ColorWheel; // "displaymode"
    bool checkNewVersion = true; // "CheckNewVersion"
    bool showTitle = true; // "showtitle"
    std::string paletteName; // "palettename"

    friend bool operator==(const PickerSettings &, const PickerSettings &) = default;
};

// Missing or unreadable values, and a layout or display mode the window does
// not have, give the defaults.
PickerSettings ReadPickerSettings(const SettingsStore &store);

// Writes "palettename", "showtitle", "uppercase", "AlphaMode",
// "CheckNewVersion", "layout", "displaymode" in this order. A palette changed
// since it was loaded or saved no longer matches its file, so its name is
// stored empty.
void WritePickerSettings(SettingsStore &store, const PickerSettings &settings, bool paletteChanged);

} // namespace pigmentrix
