// "Screen Colors": what the eyedropper takes from a display that shows
// device values, as the display shows them or converted to sRGB through the
// profile the desktop's colour daemon publishes for each monitor.
#include "sampling/grab_controller.h"

#include "sampling/frozen_desktop.h"
#include "sampling/frozen_grab.h"
#include "sampling/x11_icc_profiles.h"
#include "ui/error_guard.h"
#include "ui/menu_items.h"

#include <QAction>
#include <QMenu>

namespace pigmentrix {

void GrabController::addScreenColorsMenu(QMenu *menu)
{
    QMenu *choice = AddSubmenu(menu, QStringLiteral("ScreenColors1"), QStringLiteral("Screen Colors"));
    choice->setToolTipsVisible(true);
    NativeScreenColors1 =
        AddGroupItem(choice, QStringLiteral("NativeScreenColors1"), QStringLiteral("Native (as the display shows them)"),
                     static_cast<int>(ScreenColors::Mode::Native), false);
    ConvertedScreenColors1 = AddGroupItem(choice, QStringLiteral("ConvertedScreenColors1"),
                                          QStringLiteral("Converted to sRGB from the display's profile"),
                                          static_cast<int>(ScreenColors::Mode::Converted), true);
    for (QAction *item : {NativeScreenColors1, ConvertedScreenColors1}) {
        guard.connect(item, &QAction::triggered, this, [this, item] { ScreenColorsClick(item); });
        item->setEnabled(sessions->deviceColors());
    }
    guard.connect(choice, &QMenu::aboutToShow, this, [this] { describeScreenColors(); });
}

void GrabController::ScreenColorsClick(QAction *sender)
{
    for (QAction *item : {NativeScreenColors1, ConvertedScreenColors1})
        item->setChecked(item == sender);
    screenColors.setMode(static_cast<ScreenColors::Mode>(sender->data().toInt()));
}

void GrabController::refreshScreenColors()
{
    if (!iccProfiles) {
        iccProfiles = X11IccProfiles::open();
        if (iccProfiles)
            guard.connect(iccProfiles.get(), &X11IccProfiles::changed, this, [this] { profilesChanged = true; });
    }
    if (!iccProfiles)
        return;
    const std::vector<ScreenPlacement> placements = PlaceScreensOnRoot(CurrentScreenGeometries());
    std::vector<QRect> places;
    for (const ScreenPlacement &placement : placements)
        places.push_back(placement.image);
    // A monitor added or taken away moves the others' profiles.
    if (!profilesChanged && places.size() == knownMonitors)
        return;
    profilesChanged = false;
    knownMonitors = places.size();
    screenColors.refresh(places, [this](int monitor) { return iccProfiles->read(monitor); });
}

void GrabController::describeScreenColors()
{
    QString tip;
    if (!sessions->deviceColors()) {
        tip = QStringLiteral("The desktop hands over its picture of the screen in sRGB: there is nothing to convert.");
    } else {
        refreshScreenColors();
        const QString profiles = screenColors.descriptions();
        if (!profiles.isEmpty())
            tip = QStringLiteral("Profile in use: %1").arg(profiles);
        else if (screenColors.profileUnreadable())
            tip = QStringLiteral("The display's profile cannot be read: colors are taken as the display shows them.");
        else
            tip = QStringLiteral("The display has no profile: its colors are taken as sRGB.");
    }
    for (QAction *item : {NativeScreenColors1, ConvertedScreenColors1})
        item->setToolTip(tip);
}

} // namespace pigmentrix
