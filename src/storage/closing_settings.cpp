#include "storage/closing_settings.h"

#include "storage/custom_format_settings.h"

#include <stdexcept>

namespace pigmentrix {

void StoreClosingSettings(SettingsStore &store, const ClosingSettings &closing)
{
    const auto list = StoredProperties();
    if (closing.position && closing.properties.size() != list.size())
        throw std::invalid_argument("one value per stored property is needed");
    WriteFormVersion(store);
    if (closing.position) {
        WriteWindowPosition(store, *closing.position);
        for (std::size_t i = 0; i < list.size(); ++i)
            WriteStoredProperty(store, list[i], closing.properties[i]);
    }
    if (closing.named)
        WritePickerSettings(store, *closing.named, closing.paletteChanged);
    WriteCustomFormats(store, closing.customFormats);
}

} // namespace pigmentrix
