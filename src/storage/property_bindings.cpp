#include "storage/property_bindings.h"

#include <algorithm>

namespace pigmentrix {
namespace {

const PropertyBinding *FindBinding(std::span<const PropertyBinding> bindings, std::string_view name)
{
    const auto found = std::find_if(bindings.begin(), bindings.end(),
                                    [name](const PropertyBinding &binding) { return binding.name == name; });
    return found == bindings.end() ? nullptr : &*found;
}

} // namespace

void RestoreBoundProperties(const SettingsStore &store, std::span<const PropertyBinding> bindings)
{
    for (const StoredProperty &property : StoredProperties()) {
        const PropertyBinding *binding = FindBinding(bindings, property.name);
        if (!binding)
            continue;
        if (const std::optional<StoredValue> value = ReadStoredProperty(store, property))
            binding->set(*value);
    }
}

std::vector<StoredValue> CollectBoundProperties(const SettingsStore &store, std::span<const PropertyBinding> bindings)
{
    std::vector<StoredValue> values;
    for (const StoredProperty &property : StoredProperties()) {
        if (const PropertyBinding *binding = FindBinding(bindings, property.name))
            values.push_back(binding->get());
        else
            values.push_back(ReadStoredProperty(store, property).value_or(DefaultValueOf(property)));
    }
    return values;
}

} // namespace pigmentrix
