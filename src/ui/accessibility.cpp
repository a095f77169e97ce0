#include "ui/accessibility.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QWidget>

namespace pigmentrix {
namespace {

constexpr const char *RoleProperty = "pigmentrixAccessibleRole";

QAccessibleInterface *RoleFactory(const QString &, QObject *object)
{
    if (!object->isWidgetType())
        return nullptr;
    const QVariant role = object->property(RoleProperty);
    if (!role.isValid())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(object), static_cast<QAccessible::Role>(role.toInt()));
}

// Qt leaves pop-up windows out of the application's children; a screen
// reader walking the tree would never find an open menu.
class ApplicationWithMenus : public QAccessibleApplication {
public:
    int childCount() const override
    {
        return QAccessibleApplication::childCount() + static_cast<int>(openMenus().size());
    }

    QAccessibleInterface *child(int index) const override
    {
        const int windows = QAccessibleApplication::childCount();
        if (index < windows)
            return QAccessibleApplication::child(index);
        const QList<QMenu *> menus = openMenus();
        const qsizetype menu = index - windows;
        return menu < menus.size() ? QAccessible::queryAccessibleInterface(menus.at(menu)) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const int window = QAccessibleApplication::indexOfChild(child);
        if (window >= 0 || !child)
            return window;
        const qsizetype menu = openMenus().indexOf(qobject_cast<QMenu *>(child->object()));
        return menu < 0 ? -1 : QAccessibleApplication::childCount() + static_cast<int>(menu);
    }

private:
    // The open menus that are not a submenu of another open menu: those are
    // found through the item that opened them.
    static QList<QMenu *> openMenus()
    {
        QList<QMenu *> menus;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *menu = qobject_cast<QMenu *>(widget);
            if (menu && menu->isVisible() && !qobject_cast<QMenu *>(menu->parentWidget()))
                menus.append(menu);
        }
        return menus;
    }
};

QAccessibleInterface *ApplicationFactory(const QString &, QObject *object)
{
    if (object != qApp || !qApp)
        return nullptr;
    return new ApplicationWithMenus;
}

} // namespace

void NameControl(QWidget *control, const QString &name, QLabel *label)
{
    control->setAccessibleName(name);
    if (label)
        label->setBuddy(control);
}

void SetAccessibleRole(QWidget *control, QAccessible::Role role)
{
    static const bool installed = [] {
        QAccessible::installFactory(RoleFactory);
        return true;
    }();
    (void)installed;
    control->setProperty(RoleProperty, static_cast<int>(role));
}

void InstallAccessibleMenus()
{
    static const bool installed = [] {
        QAccessible::installFactory(ApplicationFactory);
        return true;
    }();
    (void)installed;
}

bool IsContextMenuKey(const QKeyEvent &key)
{
    if (key.key() == Qt::Key_Menu)
        return true;
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    return key.key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier;
}

void OpenContextMenuByKey(QWidget *control)
{
    const QPoint at = control->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Keyboard, at, control->mapToGlobal(at));
    QApplication::sendEvent(control, &event);
}

} // namespace pigmentrix
