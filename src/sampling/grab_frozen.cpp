// A grab over a still picture of the desktop: from the X server when
// "Freeze Screen While Picking" is on, from the desktop portal where the
// screen cannot be read otherwise. The still screens feed the same ticks,
// averaging and magnifier as a live grab.
#include "sampling/grab_controller.h"

#include "sampling/frozen_grab.h"
#include "ui/error_guard.h"
#include "ui/menu_items.h"

#include <QAction>
#include <QMenu>

namespace pigmentrix {

void GrabController::addFreezeItem(QMenu *menu)
{
    FreezeScreenWhilePicking1 = AddCheckItem(menu, QStringLiteral("FreezeScreenWhilePicking1"),
                                             QStringLiteral("Freeze Screen While Picking"), false);
    FreezeScreenWhilePicking1->setEnabled(!portal);
}

void GrabController::usePortal(std::unique_ptr<DesktopPortal> desktopPortal)
{
    portal = std::move(desktopPortal);
    if (!portal)
        return;
    guard.connect(portal.get(), &DesktopPortal::screenshotTaken, this,
                  [this](const QImage &desktop) { portalScreenshotTaken(desktop); });
    guard.connect(portal.get(), &DesktopPortal::colorPicked, this, [this](TColor color) { portalColorPicked(color); });
    guard.connect(portal.get(), &DesktopPortal::refused, this, [this](PortalRefusal why) { portalRefused(why); });
    // Through the portal every grab is over a still picture.
    if (FreezeScreenWhilePicking1)
        FreezeScreenWhilePicking1->setEnabled(false);
}

void GrabController::startFrozenGrab(QImage desktop, const std::vector<ScreenPlacement> &placements)
{
    kind = GrabKind::Frozen;
    frozen = std::make_unique<FrozenGrab>(std::move(desktop), placements);
    guard.connect(frozen.get(), &FrozenGrab::moved, this, [this] {
        Timer1Timer();
        if (frozen)
            frozen->showPicker(window->grab());
    });
    guard.connect(frozen.get(), &FrozenGrab::taken, this, [this] { endGrab(); });
    guard.connect(frozen.get(), &FrozenGrab::cancelled, this, [this] { cancelGrab(); });
    frozen->show();
}

void GrabController::closeFrozenScreens()
{
    // The still screens may be the ones whose click ends the grab: they go
    // once that event is over.
    if (frozen)
        frozen.release()->deleteLater();
}

void GrabController::cancelGrab()
{
    endGrab(GrabOutcome::GivenUp);
    emit grabCancelled();
}

void GrabController::portalScreenshotTaken(const QImage &desktop)
{
    if (!grabbing || kind != GrabKind::Portal)
        return;
    startFrozenGrab(desktop, PlaceScreensOnLayoutImage(CurrentScreenGeometries(), desktop.size()));
}

void GrabController::portalColorPicked(TColor color)
{
    if (!grabbing || kind != GrabKind::DesktopPicker)
        return;
    onlyDesktopPicker = true;
    emit colorGrabbed(color);
    endGrab();
}

void GrabController::portalRefused(PortalRefusal why)
{
    if (!grabbing)
        return;
    if (kind == GrabKind::Portal) {
        switch (why) {
        case PortalRefusal::Missing:
        case PortalRefusal::Cancelled:
        case PortalRefusal::Denied:
            // No picture of the screen: the desktop's own picker may still
            // take a colour, without a magnifier.
            kind = GrabKind::DesktopPicker;
            portal->requestColor();
            return;
        case PortalRefusal::NoAnswer: portalSilent = true; break;
        case PortalRefusal::Unreadable: screenReadFailed = true; break;
        }
        endGrab(GrabOutcome::GivenUp);
        return;
    }
    if (kind == GrabKind::DesktopPicker) {
        if (why == PortalRefusal::NoAnswer)
            portalSilent = true;
        else if (why == PortalRefusal::Cancelled)
            onlyDesktopPicker = true;
        else
            screenReadFailed = true;
        endGrab(GrabOutcome::GivenUp);
    }
}

} // namespace pigmentrix
