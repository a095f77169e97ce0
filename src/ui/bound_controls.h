#pragma once

#include "storage/property_bindings.h"

#include <string_view>

class QAction;
class QComboBox;

namespace pigmentrix {

// A stored "..._Checked" property kept by a menu item's tick.
PropertyBinding CheckedRow(std::string_view name, QAction *item);

// A stored "..._ItemIndex" property kept by a list's selection; an index the
// list does not have is ignored.
PropertyBinding ItemIndexRow(std::string_view name, QComboBox *list);

} // namespace pigmentrix
