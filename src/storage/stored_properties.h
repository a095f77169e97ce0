#pragma once

#include "storage/frame_font.h"
#include "storage/settings_store.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace pigmentrix {

enum class StoredKind { Color, Boolean, Integer, Int64, Text, Font };

// One component property kept between runs, stored under name
// ("<component>_<property>"). Numbers, colours and Booleans (0 or 1) keep
// their default in defaultNumber, texts in defaultText; the font's default
// is DefaultFrameFont().
struct StoredProperty {
    std::string_view name;
    StoredKind kind;
    std::int64_t defaultNumber = 0;
    std::string_view defaultText = {};
};

// The properties in the order they are saved and restored.
std::span<const StoredProperty> StoredProperties();

// The stored property called name, or nullptr.
const StoredProperty *FindStoredProperty(std::string_view name);

// A property's value: bool for Boolean, std::int64_t for Color, Integer and
// Int64, std::string for Text, FontSettings for Font.
using StoredValue = std::variant<bool, std::int64_t, std::string, FontSettings>;

StoredValue DefaultValueOf(const StoredProperty &property);

// The stored value, or nullopt when it is missing or not of the property's
// kind (the property then keeps its present value). A font is read member by
// member over DefaultFrameFont().
std::optional<StoredValue> ReadStoredProperty(const SettingsStore &store, const StoredProperty &property);

// Throws std::bad_variant_access when value is not of the property's kind.
void WriteStoredProperty(SettingsStore &store, const StoredProperty &property, const StoredValue &value);

} // namespace pigmentrix
