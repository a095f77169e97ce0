#pragma once

#include "storage/named_settings.h"

#include <string>

namespace pigmentrix {

// The named settings the window reads while it is created, with the values a
// fresh install starts from.
struct PickerSettings {
    bool uppercase = true;
    bool AlphaMode = true;
    int layout = 2;
    int displaymode = 1;
    bool CheckNewVersion = true;
    bool showtitle = true;
    std::string palettename;
};

inline PickerSettings ToPickerSettings(const NamedSettings &stored)
{
    return {stored.upperCase,       stored.alphaMode, stored.layout,     stored.displayMode,
            stored.checkNewVersion, stored.showTitle, stored.paletteName};
}

} // namespace pigmentrix
