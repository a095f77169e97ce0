// The main menu's eyedropper and magnifier items: "Zoom", "Color Averaging"
// and "Auto Color Copy after Grab", each appended where the main menu is
// being built.
#include "sampling/grab_controller.h"

#include "ui/error_guard.h"
#include "ui/menu_items.h"

#include <QAction>
#include <QMenu>

namespace pigmentrix {

void GrabController::addZoomMenu(QMenu *menu)
{
    QMenu *zoom = AddSubmenu(menu, QStringLiteral("Zoom1"), QStringLiteral("Zoom"));
    QMenu *zoomFactor = AddSubmenu(zoom, QStringLiteral("ZoomFactor1"), QStringLiteral("Zoom Factor"));
    for (int factor = 1; factor <= 20; ++factor) {
        const QKeySequence shortcut =
            factor <= 10 ? QKeySequence(Qt::SHIFT | Qt::Key(Qt::Key_F1 + factor - 1)) : QKeySequence();
        QAction *item = AddItem(zoomFactor, QStringLiteral("Zoom%1X1").arg(factor),
                                QStringLiteral("Zoom %1 X").arg(factor), shortcut);
        item->setData(factor);
        guard.connect(item, &QAction::triggered, this, [this, item] { Zoom1X1Click(item); });
        zoomFactorItems[static_cast<std::size_t>(factor - 1)] = item;
    }
    QMenu *zoomCrosshair = AddSubmenu(zoom, QStringLiteral("ZoomCrosshair1"), QStringLiteral("Zoom Crosshair"));
    Cross1 = AddGroupItem(zoomCrosshair, QStringLiteral("Cross1"), QStringLiteral("Cross"),
                          static_cast<int>(Crosshair::Cross), true);
    Rectangle1 = AddGroupItem(zoomCrosshair, QStringLiteral("Rectangle1"), QStringLiteral("Rectangle"),
                              static_cast<int>(Crosshair::Rectangle), false);
    None1 = AddGroupItem(zoomCrosshair, QStringLiteral("None1"), QStringLiteral("None"),
                         static_cast<int>(Crosshair::None), false);
    for (QAction *item : {Cross1, Rectangle1, None1})
        guard.connect(item, &QAction::triggered, this, [this, item] { Cross1Click(item); });
    SetCoordinates1 = AddItem(zoom, QStringLiteral("SetCoordinates1"), QStringLiteral("Set Coordinates"),
                              QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_C));
    guard.connect(SetCoordinates1, &QAction::triggered, this, [this] { SetCoordinates1Click(); });
    ResetCoordinates2 = AddItem(zoom, QStringLiteral("ResetCoordinates2"), QStringLiteral("Reset Coordinates"),
                                QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_X));
    guard.connect(ResetCoordinates2, &QAction::triggered, this, [this] { ResetCoordinates2Click(); });
    ClearZoomWindow1 = AddItem(zoom, QStringLiteral("ClearZoomWindow1"), QStringLiteral("Clear Zoom Window"),
                               QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Q));
    guard.connect(ClearZoomWindow1, &QAction::triggered, this, [this] { ClearZoomWindow1Click(); });
    // A plain tick: each pointer move during a grab reads it. Off, the colour
    // follows the grab tick, which keeps a grab light on a slow machine.
    SmoothTracking1 = AddCheckItem(zoom, QStringLiteral("SmoothTracking1"), QStringLiteral("Smooth Tracking"), false);
}

void GrabController::addAveragingMenu(QMenu *menu)
{
    QMenu *averagingMenu = AddSubmenu(menu, QStringLiteral("ColorAveraging1"), QStringLiteral("Color Averaging"));
    Off1 = AddGroupItem(averagingMenu, QStringLiteral("Off1"), QStringLiteral("Off"), static_cast<int>(Averaging::Off),
                        true, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_1));
    N3x3Average1 =
        AddGroupItem(averagingMenu, QStringLiteral("N3x3Average1"), QStringLiteral("3x3 Average"),
                     static_cast<int>(Averaging::Mean3x3), false, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_3));
    N5x5Average1 =
        AddGroupItem(averagingMenu, QStringLiteral("N5x5Average1"), QStringLiteral("5x5 Average"),
                     static_cast<int>(Averaging::Mean5x5), false, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_5));
    for (QAction *item : {Off1, N3x3Average1, N5x5Average1})
        guard.connect(item, &QAction::triggered, this, [this, item] { Off1Click(item); });
}

void GrabController::addAutoCopyItem(QMenu *menu)
{
    // A plain tick: the release of a grab reads it.
    AutoColorCopyafterGrab1 = AddCheckItem(menu, QStringLiteral("AutoColorCopyafterGrab1"),
                                           QStringLiteral("Auto Color Copy after Grab"), false);
}

} // namespace pigmentrix
