#pragma once

#include "model/custom_format.h"
#include "storage/picker_settings.h"
#include "storage/settings_store.h"
#include "storage/stored_properties.h"
#include "storage/window_position.h"

#include <optional>
#include <vector>

namespace pigmentrix {

// What the window hands over when it goes away.
struct ClosingSettings {
    // Present only if the window was shown during this run; a window that was
    // never shown leaves the stored position and properties as they were.
    std::optional<WindowPosition> position;
    // One value per entry of StoredProperties(), in its order; used with
    // position.
    std::vector<StoredValue> properties;
    // Present only for an accepted close.
    std::optional<PickerSettings> named;
    bool paletteChanged = false;
    // The custom formats, unusable ones last; written on every store.
    std::vector<CustomFormat> customFormats;
};

// Puts the values into the store in the order of closing: "FormVersion",
// then the window position and the stored properties, then the named values
// and the custom formats.
// Throws std::invalid_argument when properties does not match the list.
void StoreClosingSettings(SettingsStore &store, const ClosingSettings &closing);

} // namespace pigmentrix
