#pragma once

#include "sampling/frozen_desktop.h"
#include "sampling/grab_session.h"
#include "sampling/output_pictures.h"

#include <QImage>

#include <memory>
#include <vector>

namespace pigmentrix {

class DesktopPortal;
enum class PortalRefusal;

// A grab over a still picture of the desktop, until a click or Enter takes
// the colour or Escape gives up: a picture the X server gave, or one asked
// for at the start from the compositor (monitor by monitor where it hands
// them out) or else through the desktop portal. The still screens feed the
// same ticks, averaging and magnifier as a live grab.
class StillPictureSession final : public GrabSession {
    Q_OBJECT

public:
    // A picture of the whole root window; with livePointer (the X server's)
    // the picking point is where it puts the pointer, at physical pixels.
    StillPictureSession(const GrabSessionContext &context, QImage desktop, std::vector<ScreenPlacement> placements,
                        ScreenSampler *livePointer);
    // A picture to ask the desktop for.
    StillPictureSession(const GrabSessionContext &context, DesktopPortal &portal);
    ~StillPictureSession() override;

    void start() override;
    ScreenSampler *sampler() override;
    bool keyPressed(const QKeyEvent &key) override;
    bool pressedAgain() override;
    void finish() override;
    FrozenGrab *frozenScreens() const override { return frozen.get(); }

private:
    void showStillScreens(QImage picture, const std::vector<ScreenPlacement> &placements, ScreenSampler *pointer);
    void showOutputPictures(const std::vector<OutputPicture> &pictures);
    void askPortal();
    void hidePointerForPicture();
    void showPointer();
    void giveUpWaiting();
    void portalScreenshotTaken(const QImage &picture);
    void portalRefused(PortalRefusal why);

    DesktopPortal *portal = nullptr;
    // The X server's picture, until the start shows it.
    QImage desktop;
    std::vector<ScreenPlacement> placements;
    ScreenSampler *livePointer = nullptr;
    // The portal is asked and has not answered yet.
    bool waiting = false;
    // The monitors as the compositor laid them out when the picture was
    // asked for; empty where only Qt knows them.
    std::vector<OutputLayout> portalOutputs;
    // The pointer is hidden while the desktop takes its picture.
    bool pointerHidden = false;
    std::unique_ptr<FrozenGrab> frozen;
};

} // namespace pigmentrix
