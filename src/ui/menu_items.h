#pragma once

#include <QKeySequence>
#include <QString>

class QAction;
class QMenu;
class QWidget;

namespace pigmentrix {

// Menu items as the window's menus make them: named after the item, with a
// shortcut that works anywhere in the window.
QAction *AddItem(QMenu *menu, const QString &name, const QString &caption, const QKeySequence &shortcut = {});

// A checkable item with its initial tick.
QAction *AddCheckItem(QMenu *menu, const QString &name, const QString &caption, bool checked,
                      const QKeySequence &shortcut = {});

// An item of a group whose handler ticks it and reads its Tag.
QAction *AddGroupItem(QMenu *menu, const QString &name, const QString &caption, int tag, bool checked,
                      const QKeySequence &shortcut = {});

QAction *AddSeparator(QMenu *menu, const QString &name);

// A submenu appended to menu; its menu item carries name.
QMenu *AddSubmenu(QMenu *menu, const QString &name, const QString &caption);

} // namespace pigmentrix
