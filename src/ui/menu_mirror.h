#pragma once

#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace pigmentrix {

// Gives a copy the click handler of the item it copies, so that the handler
// runs with the copy as its sender.
using MirrorWiring = std::function<void(QAction *source, QAction *copy)>;

// Appends to destination an independent copy of item, owned by owner and
// named after item with "_copy" appended: caption, check mark (and whether
// it can be checked), icon, default flag, enabled state, group number, shortcut,
// Tag, visibility and handler. Items of a submenu are copied in order into a
// submenu of the copy. Nothing links the copy to item afterwards.
QAction *MirrorMenuItem(QAction *item, QMenu *destination, QWidget *owner, const MirrorWiring &wire);

} // namespace pigmentrix
