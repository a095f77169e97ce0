#include "ui/menu_items.h"

#include <QAction>
#include <QMenu>

namespace pigmentrix {

QAction *AddItem(QMenu *menu, const QString &name, const QString &caption, const QKeySequence &shortcut)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

QAction *AddCheckItem(QMenu *menu, const QString &name, const QString &caption, bool checked,
                      const QKeySequence &shortcut)
{
    QAction *action = AddItem(menu, name, caption, shortcut);
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
}

QAction *AddGroupItem(QMenu *menu, const QString &name, const QString &caption, int tag, bool checked,
                      const QKeySequence &shortcut)
{
    QAction *action = AddCheckItem(menu, name, caption, checked, shortcut);
    action->setData(tag);
    return action;
}

QAction *AddSeparator(QMenu *menu, const QString &name)
{
    QAction *separator = menu->addSeparator();
    separator->setObjectName(name);
    return separator;
}

QMenu *AddSubmenu(QMenu *menu, const QString &name, const QString &caption)
{
    QMenu *submenu = menu->addMenu(caption);
    submenu->menuAction()->setObjectName(name);
    return submenu;
}

} // namespace pigmentrix
