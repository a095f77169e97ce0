#include "sampling/desktop_picker_session.h"

#include "sampling/desktop_portal.h"
#include "ui/error_guard.h"

namespace pigmentrix {

DesktopPickerSession::DesktopPickerSession(const GrabSessionContext &context, DesktopPortal &portal,
                                           const GrabFindings &met)
    : GrabSession(context)
    , portal(portal)
{
    this->met = met;
}

void DesktopPickerSession::start()
{
    context.guard.connect(&portal, &DesktopPortal::colorPicked, this, [this](TColor color) {
        emit colorPicked(color);
        emit taken();
    });
    context.guard.connect(&portal, &DesktopPortal::refused, this, [this](PortalRefusal why) { refused(why); });
    portal.requestColor();
}

void DesktopPickerSession::refused(PortalRefusal why)
{
    // The user gave up in the desktop's picker: nothing to say but what was
    // said of the picture.
    if (why == PortalRefusal::NoAnswer)
        met.portalSilent = true;
    else if (why != PortalRefusal::Cancelled)
        met.screenReadFailed = true;
    if (met.screenReadFailed)
        met.onlyDesktopPicker = met.pictureRefused = false;
    emit failed();
}

} // namespace pigmentrix
