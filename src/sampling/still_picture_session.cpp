#include "sampling/still_picture_session.h"

#include "sampling/desktop_portal.h"
#include "sampling/frozen_grab.h"
#include "sampling/screen_sampler.h"
#include "sampling/wayland_screen.h"
#include "ui/current_desktop.h"
#include "ui/error_guard.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace pigmentrix {

namespace {

// How long the compositor may take to answer on the program's own
// connection before the portal is asked instead.
constexpr std::chrono::milliseconds WaylandAnswerTime(2000);

// KWin draws a monitor of a lower scale into its picture by repeating each
// pixel; of the others nothing is known.
PictureUpscaling DesktopPictureUpscaling()
{
    return CurrentDesktopIs(QLatin1String("KDE")) ? PictureUpscaling::Repeated : PictureUpscaling::Unknown;
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

} // namespace

StillPictureSession::StillPictureSession(const GrabSessionContext &context, QImage desktop,
                                         std::vector<ScreenPlacement> placements, ScreenSampler *livePointer)
    : GrabSession(context)
    , desktop(std::move(desktop))
    , placements(std::move(placements))
    , livePointer(livePointer)
{
}

StillPictureSession::StillPictureSession(const GrabSessionContext &context, DesktopPortal &portal)
    : GrabSession(context)
    , portal(&portal)
{
}

StillPictureSession::~StillPictureSession() = default;

void StillPictureSession::start()
{
    if (!portal) {
        showStillScreens(std::move(desktop), placements, livePointer);
        return;
    }
    if (ScreenReadThroughPortal()) {
        if (std::unique_ptr<WaylandScreen> wayland = WaylandScreen::connect(WaylandAnswerTime)) {
            if (std::optional<std::vector<OutputPicture>> pictures = wayland->capture(WaylandAnswerTime)) {
                showOutputPictures(*pictures);
                return;
            }
            portalOutputs = wayland->outputs();
        }
    }
    askPortal();
}

ScreenSampler *StillPictureSession::sampler()
{
    return frozen ? &frozen->sampler() : nullptr;
}

void StillPictureSession::askPortal()
{
    context.guard.connect(portal, &DesktopPortal::screenshotTaken, this,
                          [this](const QImage &picture) { portalScreenshotTaken(picture); });
    context.guard.connect(portal, &DesktopPortal::refused, this, [this](PortalRefusal why) { portalRefused(why); });
    // Until the desktop's picture comes, Escape or another press on the
    // grab button gives up.
    waiting = true;
    hidePointerForPicture();
    portal->requestScreenshot();
}

// A desktop may draw the pointer into its picture where it is at the
// request, over the grab button. Hidden there, it is not in the picture;
// if the answer is slow, the pointer shows that the program waits.
void StillPictureSession::hidePointerForPicture()
{
    QGuiApplication::setOverrideCursor(Qt::BlankCursor);
    pointerHidden = true;
    QGuiApplication::sync();
    QTimer::singleShot(std::chrono::seconds(1), this, [this] {
        if (pointerHidden)
            QGuiApplication::changeOverrideCursor(Qt::BusyCursor);
    });
}

void StillPictureSession::showPointer()
{
    if (!pointerHidden)
        return;
    pointerHidden = false;
    QGuiApplication::restoreOverrideCursor();
}

bool StillPictureSession::keyPressed(const QKeyEvent &key)
{
    if (!waiting || key.key() != Qt::Key_Escape)
        return false;
    giveUpWaiting();
    return true;
}

bool StillPictureSession::pressedAgain()
{
    if (!waiting)
        return false;
    giveUpWaiting();
    return true;
}

void StillPictureSession::giveUpWaiting()
{
    waiting = false;
    portal->abandon();
    emit givenUp();
}

void StillPictureSession::showOutputPictures(const std::vector<OutputPicture> &pictures)
{
    StillDesktop still = ComposeStillDesktop(pictures);
    const std::vector<ScreenPlacement> onOutputs =
        PlaceScreensOnOutputs(CurrentScreenGeometries(), pictures, still.outputs);
    if (std::any_of(pictures.begin(), pictures.end(), [](const OutputPicture &picture) { return !picture.exact; }))
        met.pictureResampled = true;
    showStillScreens(std::move(still.image), onOutputs, nullptr);
}

void StillPictureSession::showStillScreens(QImage picture, const std::vector<ScreenPlacement> &onScreens,
                                           ScreenSampler *pointer)
{
    frozen = std::make_unique<FrozenGrab>(std::move(picture), onScreens, pointer);
    context.guard.connect(frozen.get(), &FrozenGrab::moved, this, [this] {
        emit tick();
        if (frozen)
            frozen->showPicker(context.window->grab());
    });
    context.guard.connect(frozen.get(), &FrozenGrab::taken, this, [this] { emit taken(); });
    context.guard.connect(frozen.get(), &FrozenGrab::cancelled, this, [this] { emit givenUp(); });
    frozen->show();
}

void StillPictureSession::portalScreenshotTaken(const QImage &picture)
{
    if (!waiting)
        return;
    waiting = false;
    showPointer();
    const std::vector<OutputLayout> outputs = portalOutputs.empty() ? QtOutputLayouts() : portalOutputs;
    showOutputPictures(CutLayoutPicture(picture, outputs, DesktopPictureUpscaling()));
}

void StillPictureSession::portalRefused(PortalRefusal why)
{
    if (!waiting)
        return;
    waiting = false;
    showPointer();
    switch (why) {
    case PortalRefusal::Missing: met.onlyDesktopPicker = true; break;
    case PortalRefusal::Cancelled:
    case PortalRefusal::Denied:
        // A picture refused or failed (KDE answers "cancelled" when it
        // cannot save it) is not a desktop without pictures.
        met.pictureRefused = true;
        break;
    case PortalRefusal::NoAnswer: met.portalSilent = true; break;
    case PortalRefusal::Unreadable: met.screenReadFailed = true; break;
    }
    // No picture of the screen: the desktop's own picker may still take a
    // colour, without a magnifier.
    if (why == PortalRefusal::Missing || why == PortalRefusal::Cancelled || why == PortalRefusal::Denied)
        emit desktopPickerNeeded();
    else
        emit failed();
}

void StillPictureSession::finish()
{
    showPointer();
    // The still screens may be the ones whose click ends the grab: they go
    // once that event is over, or with the session if that goes first.
    if (frozen) {
        frozen->setParent(this);
        frozen.release()->deleteLater();
    }
}

} // namespace pigmentrix
