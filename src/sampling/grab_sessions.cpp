#include "sampling/grab_sessions.h"

#include "sampling/desktop_picker_session.h"
#include "sampling/desktop_portal.h"
#include "sampling/frozen_grab.h"
#include "sampling/screen_sampler.h"
#include "sampling/still_picture_session.h"

#include <QGuiApplication>

#include <utility>

namespace pigmentrix {

GrabSessions::~GrabSessions() = default;

std::unique_ptr<GrabSession> GrabSessions::desktopPicker(const GrabSessionContext &, const GrabFindings &)
{
    return nullptr;
}

std::unique_ptr<GrabSession> ScreenGrabSessions::create(const GrabSessionContext &context, LiveGrabSession::Start how,
                                                        bool freeze)
{
    if (freeze) {
        if (std::optional<QImage> desktop = context.screen.captureDesktop()) {
            // Qt's events round the pointer to logical pixels; the X server
            // knows the physical one.
            const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
            return std::make_unique<StillPictureSession>(context, std::move(*desktop),
                                                         PlaceScreensOnRoot(CurrentScreenGeometries()),
                                                         x11 ? &context.screen : nullptr);
        }
    }
    return std::make_unique<LiveGrabSession>(context, how);
}

PortalGrabSessions::PortalGrabSessions(std::unique_ptr<DesktopPortal> portal)
    : portal(std::move(portal))
{
}

PortalGrabSessions::~PortalGrabSessions() = default;

std::unique_ptr<GrabSession> PortalGrabSessions::create(const GrabSessionContext &context, LiveGrabSession::Start, bool)
{
    return std::make_unique<StillPictureSession>(context, *portal);
}

std::unique_ptr<GrabSession> PortalGrabSessions::desktopPicker(const GrabSessionContext &context,
                                                               const GrabFindings &met)
{
    return std::make_unique<DesktopPickerSession>(context, *portal, met);
}

std::unique_ptr<GrabSessions> CreateGrabSessions()
{
    if (ScreenReadThroughPortal())
        return std::make_unique<PortalGrabSessions>(std::make_unique<DesktopPortal>());
    return std::make_unique<ScreenGrabSessions>();
}

} // namespace pigmentrix
