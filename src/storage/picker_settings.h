#pragma once

#include "storage/settings_store.h"

#include <string>

namespace pigmentrix {

// The root values the window reads when it is created and writes when it
// really closes; the members hold the defaults of a fresh start.
struct NamedSettings {
    bool upperCase = true; // "uppercase"
    bool alphaMode = true; // "AlphaMode"
    int layout = 2; // "layout": 0 Small, 1 Medium, 2 Large
    int displayMode = 1; // "displaymode": 1 wheel, 2 SV square, 3 HSV rectangle
    bool checkNewVersion = true; // "CheckNewVersion"
    bool showTitle = true; // "showtitle"
    std::string paletteName; // "palettename"

    friend bool operator==(const NamedSettings &, const NamedSettings &) = default;
};

// Missing or unreadable values, and a layout or display mode the window does
// not have, give the defaults.
NamedSettings ReadNamedSettings(const SettingsStore &store);

// Writes "palettename", "showtitle", "uppercase", "AlphaMode",
// "CheckNewVersion", "layout", "displaymode" in this order. A palette changed
// since it was loaded or saved no longer matches its file, so its name is
// stored empty.
void WriteNamedSettings(SettingsStore &store, const NamedSettings &settings, bool paletteChanged);

} // namespace pigmentrix
