#include "ui/accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
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

// A drop-down list named for what it chooses ("Zoom"), its choice the
// value: Qt names a list on Linux after its current item, which says nothing
// of what the list is for, and nothing at all when no item is current.
class NamedComboBox : public QAccessibleWidget {
public:
    explicit NamedComboBox(QComboBox *box)
        : QAccessibleWidget(box, QAccessible::ComboBox)
    {
    }

    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Value)
            return box()->currentText();
        return QAccessibleWidget::text(type);
    }

    // The list that opens.
    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(box()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == box()->view() ? 0 : -1;
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &action) override
    {
        if (action == showMenuAction() || action == pressAction())
            box()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox *box() const { return static_cast<QComboBox *>(widget()); }
};

QAccessibleInterface *ComboBoxFactory(const QString &key, QObject *object)
{
    if (key != QLatin1String("QComboBox"))
        return nullptr;
    auto *box = qobject_cast<QComboBox *>(object);
    return box && !box->isEditable() ? new NamedComboBox(box) : nullptr;
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
    // Installed with the application there: the last factory installed is
    // asked first, and Qt's own are installed with the application.
    InstallAccessibleFactory<ComboBoxFactory>();
    control->setAccessibleName(name);
    if (label)
        label->setBuddy(control);
}

void SetAccessibleRole(QWidget *control, QAccessible::Role role)
{
    InstallAccessibleFactory<RoleFactory>();
    control->setProperty(RoleProperty, static_cast<int>(role));
}

void InstallAccessibleMenus()
{
    InstallAccessibleFactory<ApplicationFactory>();
}

bool IsContextMenuKey(const QKeyEvent &key)
{
    if (key.key() == Qt::Key_Menu)
        return true;
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    return key.key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier;
}

bool HasOwnMenu(const QWidget *control)
{
    const Qt::ContextMenuPolicy policy = control->contextMenuPolicy();
    return policy == Qt::CustomContextMenu || policy == Qt::ActionsContextMenu;
}

void OpenContextMenuByKey(QWidget *control)
{
    const QPoint at = control->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Keyboard, at, control->mapToGlobal(at));
    QApplication::sendEvent(control, &event);
}

} // namespace pigmentrix
