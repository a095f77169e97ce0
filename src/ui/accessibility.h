#pragma once

#include <QAccessible>

class QKeyEvent;
class QLabel;
class QWidget;

namespace pigmentrix {

// Puts Factory among those Qt asks for accessible interfaces, once a run:
// the last installed is asked first.
template <QAccessible::InterfaceFactory Factory>
void InstallAccessibleFactory()
{
    static const bool installed = (QAccessible::installFactory(Factory), true);
    (void)installed;
}

// The name a screen reader says for control, and the label that names it on
// screen (its buddy, which gives the label relation), if there is one.
void NameControl(QWidget *control, const QString &name, QLabel *label = nullptr);

// A control drawn by the program itself that should be read as role (a
// palette slot as a button, the colour frame as a picture) rather than as a
// plain panel. Set before anything asks for the control's interface.
void SetAccessibleRole(QWidget *control, QAccessible::Role role);

// Open pop-up menus appear in the accessible tree as children of the
// application, where message boxes and windows are; done once a run, before
// the application object exists where it can be.
void InstallAccessibleMenus();

// The Menu key, or Shift+F10: the keys that open the focused control's menu.
bool IsContextMenuKey(const QKeyEvent &key);
// Whether control has a menu the program gave it (an edit box's standard
// menu does not count).
bool HasOwnMenu(const QWidget *control);
// Opens the menu of control as a right click on it would, but placed for the
// keyboard: at the control's centre.
void OpenContextMenuByKey(QWidget *control);

} // namespace pigmentrix
