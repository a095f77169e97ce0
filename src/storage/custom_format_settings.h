#pragma once

#include "model/custom_format.h"
#include "storage/settings_store.h"

#include <span>
#include <string>
#include <vector>

namespace pigmentrix {

// The custom formats in the settings file: the group "CustomFormats" holds
// "Count" and, for i from 1 to Count, "Name<i>" and "Template<i>".
struct StoredCustomFormats {
    // The formats the notation list shows, in stored order.
    std::vector<CustomFormat> formats;
    // The ones that cannot be used (a bad template, a name given twice): left
    // out of the list but written back after the others, so that nothing the
    // user wrote is lost.
    std::vector<CustomFormat> unusable;
    // What the user is told about the unusable ones; empty when there are none.
    std::string notice;
};

StoredCustomFormats ReadCustomFormats(const SettingsStore &store);

// Writes formats as they are listed; entries of a longer list written before
// are emptied.
void WriteCustomFormats(SettingsStore &store, std::span<const CustomFormat> formats);

} // namespace pigmentrix
