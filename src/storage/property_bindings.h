#pragma once

#include "storage/settings_store.h"
#include "storage/stored_properties.h"

#include <functional>
#include <span>
#include <string_view>
#include <vector>

namespace pigmentrix {

// How the window reaches one stored property: get reads the control's
// present value, set changes the control quietly (no event handler runs).
// set receives a value of the property's kind and ignores one the control
// cannot take.
struct PropertyBinding {
    std::string_view name;
    std::function<StoredValue()> get;
    std::function<void(const StoredValue &)> set;
};

// Sets every bound property the store holds in a readable form, in the list
// order; the others keep their present values.
void RestoreBoundProperties(const SettingsStore &store, std::span<const PropertyBinding> bindings);

// One value per stored property, in list order: a bound property gives its
// present value; one the window has no control for keeps what the store
// holds, else its default, so that nothing written by another run is lost.
std::vector<StoredValue> CollectBoundProperties(const SettingsStore &store, std::span<const PropertyBinding> bindings);

} // namespace pigmentrix
