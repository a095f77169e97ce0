#include "ui/menu_mirror.h"

#include <QAction>
#include <QMenu>

namespace pigmentrix {

QAction *MirrorMenuItem(QAction *item, QMenu *destination, QWidget *owner, const MirrorWiring &wire)
{
    auto *copy = new QAction(owner);
    copy->setSeparator(item->isSeparator());
    copy->setText(item->text());
    copy->setCheckable(item->isCheckable());
    copy->setChecked(item->isChecked());
    copy->setIcon(item->icon());
    copy->setEnabled(item->isEnabled());
    copy->setProperty("GroupIndex", item->property("GroupIndex"));
    copy->setShortcut(item->shortcut());
    copy->setData(item->data());
    copy->setVisible(item->isVisible());
    wire(item, copy);
    copy->setObjectName(item->objectName() + QStringLiteral("_copy"));
    destination->addAction(copy);
    for (QObject *holder : item->associatedObjects()) {
        if (const auto *menu = qobject_cast<QMenu *>(holder); menu && menu->defaultAction() == item)
            destination->setDefaultAction(copy);
    }

    if (QMenu *children = item->menu()) {
        auto *submenu = new QMenu(owner);
        copy->setMenu(submenu);
        for (QAction *child : children->actions())
            MirrorMenuItem(child, submenu, owner, wire);
    }
    return copy;
}

} // namespace pigmentrix
