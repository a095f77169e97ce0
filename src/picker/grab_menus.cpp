// The main menu's eyedropper and magnifier items: "Zoom", "Color Averaging"
// and "Auto Color Copy after Grab", each placed after the item that comes
// before it in the main menu.
#include "picker/color_pick_window.h"

#include <QAction>
#include <QMenu>

namespace pigmentrix {
namespace {

QAction *AddItem(QMenu *menu, const QString &name, const QString &caption, const QKeySequence &shortcut = {})
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

// An item of a group whose handler ticks it and reads its Tag.
QAction *AddGroupItem(QMenu *menu, const char *name, const QString &caption, int tag, bool checked,
                      const QKeySequence &shortcut = {})
{
    QAction *action = AddItem(menu, QString::fromLatin1(name), caption, shortcut);
    action->setCheckable(true);
    action->setChecked(checked);
    action->setData(tag);
    return action;
}

// Puts action right after the item called anchorName, or at the end when the
// menu has no such item.
void InsertAfter(QMenu *menu, const char *anchorName, QAction *action)
{
    const QList<QAction *> items = menu->actions();
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (items[i]->objectName() == QLatin1String(anchorName)) {
            menu->insertAction(i + 1 < items.size() ? items[i + 1] : nullptr, action);
            return;
        }
    }
    menu->addAction(action);
}

QMenu *MakeSubmenu(QWidget *parent, const char *name, const QString &caption)
{
    auto *menu = new QMenu(caption, parent);
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

} // namespace

void TfrmColorPick::buildGrabMenus()
{
    QMenu *zoom = MakeSubmenu(pupMain, "Zoom1", QStringLiteral("Zoom"));
    QMenu *zoomFactor = zoom->addMenu(QStringLiteral("Zoom Factor"));
    zoomFactor->menuAction()->setObjectName(QStringLiteral("ZoomFactor1"));
    for (int factor = 1; factor <= 20; ++factor) {
        const QKeySequence shortcut = factor <= 10 ? QKeySequence(Qt::SHIFT | Qt::Key(Qt::Key_F1 + factor - 1))
                                                   : QKeySequence();
        QAction *item = AddItem(zoomFactor, QStringLiteral("Zoom%1X1").arg(factor),
                                QStringLiteral("Zoom %1 X").arg(factor), shortcut);
        item->setData(factor);
        connect(item, &QAction::triggered, this, [this, item] { runGuarded([this, item] { Zoom1X1Click(item); }); });
        zoomFactorItems[static_cast<std::size_t>(factor - 1)] = item;
    }
    QMenu *zoomCrosshair = zoom->addMenu(QStringLiteral("Zoom Crosshair"));
    zoomCrosshair->menuAction()->setObjectName(QStringLiteral("ZoomCrosshair1"));
    Cross1 = AddGroupItem(zoomCrosshair, "Cross1", QStringLiteral("Cross"), 1, true);
    Rectangle1 = AddGroupItem(zoomCrosshair, "Rectangle1", QStringLiteral("Rectangle"), 2, false);
    None1 = AddGroupItem(zoomCrosshair, "None1", QStringLiteral("None"), 0, false);
    for (QAction *item : {Cross1, Rectangle1, None1})
        connect(item, &QAction::triggered, this, [this, item] { runGuarded([this, item] { Cross1Click(item); }); });
    SetCoordinates1 = AddItem(zoom, QStringLiteral("SetCoordinates1"), QStringLiteral("Set Coordinates"),
                              QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_C));
    connect(SetCoordinates1, &QAction::triggered, this, [this] { runGuarded([this] { SetCoordinates1Click(); }); });
    ResetCoordinates2 = AddItem(zoom, QStringLiteral("ResetCoordinates2"), QStringLiteral("Reset Coordinates"),
                                QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_X));
    connect(ResetCoordinates2, &QAction::triggered, this, [this] { runGuarded([this] { ResetCoordinates2Click(); }); });
    ClearZoomWindow1 = AddItem(zoom, QStringLiteral("ClearZoomWindow1"), QStringLiteral("Clear Zoom Window"),
                               QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Q));
    connect(ClearZoomWindow1, &QAction::triggered, this, [this] { runGuarded([this] { ClearZoomWindow1Click(); }); });
    InsertAfter(pupMain, "N4", zoom->menuAction());

    QMenu *averaging = MakeSubmenu(pupMain, "ColorAveraging1", QStringLiteral("Color Averaging"));
    Off1 = AddGroupItem(averaging, "Off1", QStringLiteral("Off"), 0, true, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_1));
    N3x3Average1 = AddGroupItem(averaging, "N3x3Average1", QStringLiteral("3x3 Average"), 1, false,
                                QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_3));
    N5x5Average1 = AddGroupItem(averaging, "N5x5Average1", QStringLiteral("5x5 Average"), 2, false,
                                QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_5));
    for (QAction *item : {Off1, N3x3Average1, N5x5Average1})
        connect(item, &QAction::triggered, this, [this, item] { runGuarded([this, item] { Off1Click(item); }); });
    InsertAfter(pupMain, "UpperCaseColorCodes1", averaging->menuAction());

    // A plain tick: the release of a grab reads it.
    AutoColorCopyafterGrab1 = new QAction(QStringLiteral("Auto Color Copy after Grab"), pupMain);
    AutoColorCopyafterGrab1->setObjectName(QStringLiteral("AutoColorCopyafterGrab1"));
    AutoColorCopyafterGrab1->setCheckable(true);
    InsertAfter(pupMain, "extDisplay1", AutoColorCopyafterGrab1);
}

} // namespace pigmentrix
