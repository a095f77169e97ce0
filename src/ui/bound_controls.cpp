#include "ui/bound_controls.h"

#include <QAction>
#include <QComboBox>
#include <QSignalBlocker>

namespace pigmentrix {

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

} // namespace pigmentrix
