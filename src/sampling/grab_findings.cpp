// A grab over a still picture of the desktop: from the X server when
// "Freeze Screen While Picking" is on; in a Wayland session from the
// compositor, monitor by monitor where it hands out their pictures, or else
// through the desktop portal. The still screens feed the same ticks,
// averaging and magnifier as a live grab.
#include "sampling/grab_controller.h"

#include "sampling/frozen_grab.h"
#include "sampling/wayland_screen.h"
#include "ui/error_guard.h"
#include "ui/menu_items.h"
#include "ui/picker_dialogs.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>

#include <algorithm>

namespace pigmentrix {

namespace {

// How long the compositor may take to answer on the program's own
// connection before the portal is asked instead.
constexpr std::chrono::milliseconds WaylandAnswerTime(2000);

bool DesktopIs(QLatin1String name)
{
    return qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(QLatin1Char(':')).contains(name, Qt::CaseInsensitive);
}

// KWin draws a monitor of a lower scale into its picture by repeating each
// pixel; of the others nothing is known.
PictureUpscaling DesktopPictureUpscaling()
{
    return DesktopIs(QLatin1String("KDE")) ? PictureUpscaling::Repeated : PictureUpscaling::Unknown;
}

// The monitors as Qt knows them, where the compositor did not say.
std::vector<OutputLayout> QtOutputLayouts()
{
    std::vector<OutputLayout> outputs;
    for (const ScreenGeometry &screen : CurrentScreenGeometries())
        outputs.push_back(
            {screen.name, screen.logical, (QSizeF(screen.logical.size()) * screen.devicePixelRatio).toSize()});
    return outputs;
}

// What the user can do about a desktop that handed out no picture.
QString PictureRefusedHint()
{
    if (DesktopIs(QLatin1String("GNOME")))
        return QStringLiteral(" When GNOME asks whether programs may take screenshots, choose Allow.");
    if (DesktopIs(QLatin1String("KDE")))
        return QStringLiteral(" KDE Plasma keeps that picture in your Pictures folder first: make sure the folder "
                              "exists and can be written to.");
    return QString();
}

} // namespace

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

void GrabController::startPortalGrab()
{
    kind = GrabKind::Portal;
    portalOutputs.clear();
    if (ScreenReadThroughPortal()) {
        if (std::unique_ptr<WaylandScreen> wayland = WaylandScreen::connect(WaylandAnswerTime)) {
            if (std::optional<std::vector<OutputPicture>> pictures = wayland->capture(WaylandAnswerTime)) {
                startFrozenGrab(*pictures);
                return;
            }
            portalOutputs = wayland->outputs();
        }
    }
    // Until the desktop's picture comes, Escape or another press on the
    // grab button gives up.
    qApp->installEventFilter(this);
    filteringKeys = true;
    hidePointerForPicture();
    portal->requestScreenshot();
}

// A desktop may draw the pointer into its picture where it is at the
// request, over the grab button. Hidden there, it is not in the picture;
// if the answer is slow, the pointer shows that the program waits.
void GrabController::hidePointerForPicture()
{
    QGuiApplication::setOverrideCursor(Qt::BlankCursor);
    pointerHidden = true;
    QGuiApplication::sync();
    QTimer::singleShot(std::chrono::seconds(1), this, [this] {
        if (pointerHidden)
            QGuiApplication::changeOverrideCursor(Qt::BusyCursor);
    });
}

void GrabController::showPointer()
{
    if (!pointerHidden)
        return;
    pointerHidden = false;
    QGuiApplication::restoreOverrideCursor();
}

bool GrabController::waitingForPicture() const
{
    return grabbing && kind == GrabKind::Portal && !frozen;
}

void GrabController::giveUpWaiting()
{
    portal->abandon();
    cancelGrab();
}

void GrabController::startFrozenGrab(const std::vector<OutputPicture> &pictures)
{
    StillDesktop still = ComposeStillDesktop(pictures);
    const std::vector<ScreenPlacement> placements =
        PlaceScreensOnOutputs(CurrentScreenGeometries(), pictures, still.outputs);
    if (std::any_of(pictures.begin(), pictures.end(), [](const OutputPicture &picture) { return !picture.exact; }))
        pictureResampled = true;
    startFrozenGrab(std::move(still.image), placements, nullptr);
}

void GrabController::startFrozenGrab(QImage desktop, const std::vector<ScreenPlacement> &placements,
                                     ScreenSampler *livePointer)
{
    kind = GrabKind::Frozen;
    frozen = std::make_unique<FrozenGrab>(std::move(desktop), placements, livePointer);
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
    if (!waitingForPicture())
        return;
    showPointer();
    const std::vector<OutputLayout> outputs = portalOutputs.empty() ? QtOutputLayouts() : portalOutputs;
    startFrozenGrab(CutLayoutPicture(desktop, outputs, DesktopPictureUpscaling()));
}

void GrabController::portalColorPicked(TColor color)
{
    if (!grabbing || kind != GrabKind::DesktopPicker)
        return;
    emit colorGrabbed(color);
    endGrab();
}

void GrabController::portalRefused(PortalRefusal why)
{
    if (!grabbing)
        return;
    showPointer();
    if (kind == GrabKind::Portal) {
        switch (why) {
        case PortalRefusal::Missing: onlyDesktopPicker = true; break;
        case PortalRefusal::Cancelled:
        case PortalRefusal::Denied:
            // A picture refused or failed (KDE answers "cancelled" when it
            // cannot save it) is not a desktop without pictures.
            pictureRefused = true;
            break;
        case PortalRefusal::NoAnswer: portalSilent = true; break;
        case PortalRefusal::Unreadable: screenReadFailed = true; break;
        }
        if (why == PortalRefusal::Missing || why == PortalRefusal::Cancelled || why == PortalRefusal::Denied) {
            // No picture of the screen: the desktop's own picker may still
            // take a colour, without a magnifier.
            kind = GrabKind::DesktopPicker;
            portal->requestColor();
            return;
        }
        endGrab(GrabOutcome::GivenUp);
        return;
    }
    if (kind == GrabKind::DesktopPicker) {
        // The user gave up in the desktop's picker: nothing to say but what
        // was said of the picture.
        if (why == PortalRefusal::NoAnswer)
            portalSilent = true;
        else if (why != PortalRefusal::Cancelled)
            screenReadFailed = true;
        if (screenReadFailed)
            onlyDesktopPicker = pictureRefused = false;
        endGrab(GrabOutcome::GivenUp);
    }
}

void GrabController::tellWhatTheGrabMet()
{
    if (portalSilent) {
        dialogs.showMessage(window, QStringLiteral("The desktop did not answer the request for a picture of the "
                                                   "screen, so no color was taken. If it asked whether programs "
                                                   "may take screenshots, choose Allow, then use the eyedropper "
                                                   "again."));
    } else if (screenReadFailed && !toldScreenUnreadable) {
        toldScreenUnreadable = true;
        dialogs.showMessage(window,
                            QStringLiteral("Screen colors cannot be read in this session, so the eyedropper "
                                           "cannot take a color from the screen. The current color is unchanged."));
    } else if (pictureRefused && !toldPictureRefused) {
        toldPictureRefused = true;
        dialogs.showMessage(window, QStringLiteral("The desktop did not hand over a picture of the screen, so its "
                                                   "own color picker took the color, and the magnifier cannot show "
                                                   "the area around the pointer.")
                                        + PictureRefusedHint());
    } else if (onlyDesktopPicker && !toldOnlyDesktopPicker) {
        toldOnlyDesktopPicker = true;
        dialogs.showMessage(window, QStringLiteral("This desktop lets programs take colors from the screen only "
                                                   "through its own color picker, so the magnifier cannot show "
                                                   "the area around the pointer."));
    } else if (pictureResampled && !toldPictureResampled) {
        toldPictureResampled = true;
        dialogs.showMessage(window, QStringLiteral("The desktop hands out its picture of the screen at the highest "
                                                   "scale of its monitors, so on a monitor at a lower scale the "
                                                   "colors taken may be blends of neighboring pixels rather than "
                                                   "the monitor's own."));
    }
    portalSilent = screenReadFailed = pictureRefused = onlyDesktopPicker = pictureResampled = false;
}

} // namespace pigmentrix
