// The main menu's eyedropper and magnifier items: "Zoom", "Color Averaging"
// and "Auto Color Copy after Grab", each appended where the main menu is
// being built.
#include "picker/color_pick_window.h"

#include "picker/menu_items.h"

#include <QAction>
#include <QMenu>

namespace pigmentrix {

void TfrmColorPick::buildZoomMenu()
{
    QMenu *zoom = AddSubmenu(pupMain, QStringLiteral("Zoom1"), QStringLiteral("Zoom"));
    QMenu *zoomFactor = AddSubmenu(zoom, QStringLiteral("ZoomFactor1"), QStringLiteral("Zoom Factor"));
    for (int factor = 1; factor <= 20; ++factor) {
        const QKeySequence shortcut = factor <= 10 ? QKeySequence(Qt::SHIFT | Qt::Key(Qt::Key_F1 + factor - 1))
                                                   : QKeySequence();
        QAction *item = AddItem(zoomFactor, QStringLiteral("Zoom%1X1").arg(factor),
                                QStringLiteral("Zoom %1 X").arg(factor), shortcut);
        item->setData(factor);
        connect(item, &QAction::triggered, this, [this, item] { runGuarded([this, item] { Zoom1X1Click(item); }); });
        zoomFactorItems[static_cast<std::size_t>(factor - 1)] = item;
    }
    QMenu *zoomCrosshair = AddSubmenu(zoom, QStringLiteral("ZoomCrosshair1"), QStringLiteral("Zoom Crosshair"));
    Cross1 = AddGroupItem(zoomCrosshair, QStringLiteral("Cross1"), QStringLiteral("Cross"), 1, true);
    Rectangle1 = AddGroupItem(zoomCrosshair, QStringLiteral("Rectangle1"), QStringLiteral("Rectangle"), 2, false);
    None1 = AddGroupItem(zoomCrosshair, QStringLiteral("None1"), QStringLiteral("None"), 0, false);
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
}

void TfrmColorPick::buildAveragingMenu()
{
    QMenu *averaging = AddSubmenu(pupMain, QStringLiteral("ColorAveraging1"), QStringLiteral("Color Averaging"));
    Off1 = AddGroupItem(averaging, QStringLiteral("Off1"), QStringLiteral("Off"), 0, true,
                        QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_1));
    N3x3Average1 = AddGroupItem(averaging, QStringLiteral("N3x3Average1"), QStringLiteral("3x3 Average"), 1, false,
                                QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_3));
    N5x5Average1 = AddGroupItem(averaging, QStringLiteral("N5x5Average1"), QStringLiteral("5x5 Average"), 2, false,
                                QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_5));
    for (QAction *item : {Off1, N3x3Average1, N5x5Average1})
        connect(item, &QAction::triggered, this, [this, item] { runGuarded([this, item] { Off1Click(item); }); });
}

void TfrmColorPick::buildAutoCopyItem()
{
    // A plain tick: the release of a grab reads it.
    AutoColorCopyafterGrab1 = AddCheckItem(pupMain, QStringLiteral("AutoColorCopyafterGrab1"),
                                           QStringLiteral("Auto Color Copy after Grab"), false);
}

} // namespace pigmentrix
