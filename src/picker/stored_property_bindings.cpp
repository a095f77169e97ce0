// Which control each stored property belongs to. A property whose control
// the window does not have yet keeps its stored value untouched; an area that
// adds such a control adds its row here.
#include "picker/color_pick_window.h"

#include "picker/color_frame_panel.h"
#include "picker/frame_font_settings.h"
#include "picker/palette_slot_panel.h"
#include "storage/property_bindings.h"

#include <QAction>
#include <QComboBox>
#include <QSignalBlocker>

namespace pigmentrix {
namespace {

constexpr std::array<std::string_view, PaletteSlotCount> SlotPropertyNames = {
    "mempan1_Color",  "mempan2_Color",  "mempan3_Color",  "mempan4_Color",  "mempan5_Color",  "mempan6_Color",
    "mempan7_Color",  "mempan8_Color",  "mempan9_Color",  "mempan10_Color", "mempan11_Color", "mempan12_Color",
    "mempan13_Color", "mempan14_Color", "mempan15_Color", "mempan16_Color",
};

PropertyBinding CheckedRow(std::string_view name, QAction *item)
{
    return {name, [item] { return StoredValue(item->isChecked()); },
            [item](const StoredValue &value) {
                const QSignalBlocker quiet(item);
                item->setChecked(std::get<bool>(value));
            }};
}

PropertyBinding ItemIndexRow(std::string_view name, QComboBox *list)
{
    return {name, [list] { return StoredValue(std::int64_t{list->currentIndex()}); },
            [list](const StoredValue &value) {
                const std::int64_t index = std::get<std::int64_t>(value);
                if (index < -1 || index >= list->count())
                    return;
                const QSignalBlocker quiet(list);
                list->setCurrentIndex(static_cast<int>(index));
            }};
}

PropertyBinding SlotColorRow(std::string_view name, PaletteSlotPanel *slot)
{
    return {name, [slot] { return StoredValue(std::int64_t{slot->color()}); },
            [slot](const StoredValue &value) { slot->setColor(static_cast<TColor>(std::get<std::int64_t>(value))); }};
}

} // namespace

std::vector<PropertyBinding> TfrmColorPick::storedPropertyBindings()
{
    const StoredProperty *fontProperty = FindStoredProperty("pnlColor_Font");
    std::vector<PropertyBinding> rows = {
        CheckedRow("Cross1_Checked", Cross1),
        CheckedRow("Rectangle1_Checked", Rectangle1),
        CheckedRow("None1_Checked", None1),
        CheckedRow("Off1_Checked", Off1),
        CheckedRow("N3x3Average1_Checked", N3x3Average1),
        CheckedRow("N5x5Average1_Checked", N5x5Average1),
        CheckedRow("UseText_Checked", UseText),
        CheckedRow("AlwaysonTop1_Checked", AlwaysonTop1),
        CheckedRow("StayinSystemTray1_Checked", StayinSystemTray1),
        CheckedRow("Showonlyhtmlcolors_Checked", Showonlyhtmlcolors),
        {"FindClosestColor1_Tag", [this] { return StoredValue(sortOrderInForce()); },
         [this](const StoredValue &value) { setSortOrderInForce(std::get<std::int64_t>(value)); }},
        ItemIndexRow("cbxDisplay_ItemIndex", cbxDisplay),
        {"pnlColor_Font",
         [this, fontProperty] {
             // What the font cannot hold (character set, orientation) stays as stored.
             const std::optional<StoredValue> stored = ReadStoredProperty(*settingsStore, *fontProperty);
             const FontSettings kept = stored ? std::get<FontSettings>(*stored) : DefaultFrameFont();
             return StoredValue(FrameFontSettings(pnlColor->Font, pnlColor->FontColor, kept));
         },
         [this](const StoredValue &value) {
             const auto &font = std::get<FontSettings>(value);
             pnlColor->Font = FrameFontFrom(font, pnlColor->Font);
             pnlColor->FontColor = font.color;
         }},
        {"pnlColor_Caption", [this] { return StoredValue(pnlColor->Caption.toStdString()); },
         [this](const StoredValue &value) { pnlColor->Caption = QString::fromStdString(std::get<std::string>(value)); }},
        {"pnlColor_Color", [this] { return StoredValue(std::int64_t{pnlColor->Color}); },
         [this](const StoredValue &value) { pnlColor->Color = static_cast<TColor>(std::get<std::int64_t>(value)); }},
        ItemIndexRow("cbxZoom_ItemIndex", cbxZoom),
        CheckedRow("AutoColorCopyafterGrab1_Checked", AutoColorCopyafterGrab1),
    };
    for (std::size_t k = 0; k < mempan.size(); ++k)
        rows.push_back(SlotColorRow(SlotPropertyNames[k], mempan[k]));
    return rows;
}

} // namespace pigmentrix
