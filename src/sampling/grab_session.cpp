#include "sampling/grab_session.h"

namespace pigmentrix {

GrabFindings &GrabFindings::operator|=(const GrabFindings &other)
{
    screenReadFailed |= other.screenReadFailed;
    onlyDesktopPicker |= other.onlyDesktopPicker;
    pictureRefused |= other.pictureRefused;
    pictureResampled |= other.pictureResampled;
    portalSilent |= other.portalSilent;
    profileUnreadable |= other.profileUnreadable;
    return *this;
}

GrabSession::GrabSession(const GrabSessionContext &context)
    : context(context)
{
}

GrabSession::~GrabSession() = default;

bool GrabSession::keyPressed(const QKeyEvent &)
{
    return false;
}

bool GrabSession::pressedAgain()
{
    return false;
}

} // namespace pigmentrix
