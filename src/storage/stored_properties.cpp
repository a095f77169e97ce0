#include "storage/stored_properties.h"

#include "storage/palette_file.h"

namespace pigmentrix {
namespace {

constexpr std::int64_t Slot(int number)
{
    return DesignPalette[number - 1];
}

constexpr StoredProperty Properties[] = {
    {"mempan3_Color", StoredKind::Color, Slot(3)},
    {"mempan4_Color", StoredKind::Color, Slot(4)},
    {"mempan5_Color", StoredKind::Color, Slot(5)},
    {"mempan6_Color", StoredKind::Color, Slot(6)},
    {"mempan7_Color", StoredKind::Color, Slot(7)},
    {"mempan8_Color", StoredKind::Color, Slot(8)},
    {"Cross1_Checked", StoredKind::Boolean, 1},
    {"Rectangle1_Checked", StoredKind::Boolean, 0},
    {"None1_Checked", StoredKind::Boolean, 0},
    {"Off1_Checked", StoredKind::Boolean, 1},
    {"N3x3Average1_Checked", StoredKind::Boolean, 0},
    {"N5x5Average1_Checked", StoredKind::Boolean, 0},
    {"UseText_Checked", StoredKind::Boolean, 1},
    {"AlwaysonTop1_Checked", StoredKind::Boolean, 0},
    {"StayinSystemTray1_Checked", StoredKind::Boolean, 1},
    {"Showonlyhtmlcolors_Checked", StoredKind::Boolean, 0},
    {"FindClosestColor1_Tag", StoredKind::Int64, 0},
    {"cbxDisplay_ItemIndex", StoredKind::Integer, -1},
    {"pnlColor_Font", StoredKind::Font},
    {"pnlColor_Caption", StoredKind::Text, 0, "Pigmentrix"},
    {"pnlColor_Color", StoredKind::Color, 14772545},
    {"cbxZoom_ItemIndex", StoredKind::Integer, 3},
    {"mempan1_Color", StoredKind::Color, Slot(1)},
    {"mempan2_Color", StoredKind::Color, Slot(2)},
    {"mempan9_Color", StoredKind::Color, Slot(9)},
    {"mempan10_Color", StoredKind::Color, Slot(10)},
    {"mempan11_Color", StoredKind::Color, Slot(11)},
    {"mempan12_Color", StoredKind::Color, Slot(12)},
    {"mempan13_Color", StoredKind::Color, Slot(13)},
    {"mempan14_Color", StoredKind::Color, Slot(14)},
    {"mempan15_Color", StoredKind::Color, Slot(15)},
    {"mempan16_Color", StoredKind::Color, Slot(16)},
    {"AutoColorCopyafterGrab1_Checked", StoredKind::Boolean, 0},
    {"FreezeScreenWhilePicking1_Checked", StoredKind::Boolean, 0},
    {"SmoothTracking1_Checked", StoredKind::Boolean, 0},
    {"PickShortcut1_ShortCut", StoredKind::Text},
    // Colours taken converted to sRGB through the display's profile.
    {"NativeScreenColors1_Checked", StoredKind::Boolean, 0},
    {"ConvertedScreenColors1_Checked", StoredKind::Boolean, 1},
    // The names palette files give the slots' colours, after the colours
    // (a colour that changes drops its name).
    {"mempan1_Name", StoredKind::Text},
    {"mempan2_Name", StoredKind::Text},
    {"mempan3_Name", StoredKind::Text},
    {"mempan4_Name", StoredKind::Text},
    {"mempan5_Name", StoredKind::Text},
    {"mempan6_Name", StoredKind::Text},
    {"mempan7_Name", StoredKind::Text},
    {"mempan8_Name", StoredKind::Text},
    {"mempan9_Name", StoredKind::Text},
    {"mempan10_Name", StoredKind::Text},
    {"mempan11_Name", StoredKind::Text},
    {"mempan12_Name", StoredKind::Text},
    {"mempan13_Name", StoredKind::Text},
    {"mempan14_Name", StoredKind::Text},
    {"mempan15_Name", StoredKind::Text},
    {"mempan16_Name", StoredKind::Text},
};

std::optional<StoredValue> AsStored(const std::optional<std::int64_t> &number)
{
    if (!number)
        return std::nullopt;
    return StoredValue(*number);
}

} // namespace

std::span<const StoredProperty> StoredProperties()
{
    return Properties;
}

const StoredProperty *FindStoredProperty(std::string_view name)
{
    for (const StoredProperty &property : Properties) {
        if (property.name == name)
            return &property;
    }
    return nullptr;
}

StoredValue DefaultValueOf(const StoredProperty &property)
{
    switch (property.kind) {
    case StoredKind::Boolean: return property.defaultNumber != 0;
    case StoredKind::Text: return std::string(property.defaultText);
    case StoredKind::Font: return DefaultFrameFont();
    case StoredKind::Color:
    case StoredKind::Integer:
    case StoredKind::Int64: break;
    }
    return property.defaultNumber;
}

std::optional<StoredValue> ReadStoredProperty(const SettingsStore &store, const StoredProperty &property)
{
    switch (property.kind) {
    case StoredKind::Color: return AsStored(store.TryReadColor(property.name));
    case StoredKind::Integer: return AsStored(store.TryReadInteger(property.name));
    case StoredKind::Int64: return AsStored(store.TryReadInt64(property.name));
    case StoredKind::Boolean:
        if (auto value = store.TryReadBoolean(property.name))
            return StoredValue(*value);
        return std::nullopt;
    case StoredKind::Text:
        if (auto value = store.ReadText(property.name))
            return StoredValue(*value);
        return std::nullopt;
    case StoredKind::Font:
        if (!HasFont(store, property.name))
            return std::nullopt;
        return StoredValue(ReadFont(store, property.name, DefaultFrameFont()));
    }
    return std::nullopt;
}

void WriteStoredProperty(SettingsStore &store, const StoredProperty &property, const StoredValue &value)
{
    switch (property.kind) {
    case StoredKind::Color: store.WriteColor(property.name, static_cast<TColor>(std::get<std::int64_t>(value))); return;
    case StoredKind::Integer:
        store.WriteInteger(property.name, static_cast<int>(std::get<std::int64_t>(value)));
        return;
    case StoredKind::Int64: store.WriteInt64(property.name, std::get<std::int64_t>(value)); return;
    case StoredKind::Boolean: store.WriteBoolean(property.name, std::get<bool>(value)); return;
    case StoredKind::Text: store.WriteString(property.name, std::get<std::string>(value)); return;
    case StoredKind::Font: WriteFont(store, property.name, std::get<FontSettings>(value)); return;
    }
}

} // namespace pigmentrix
