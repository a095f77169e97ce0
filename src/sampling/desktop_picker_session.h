#pragma once

#include "sampling/grab_session.h"

namespace pigmentrix {

class DesktopPortal;
enum class PortalRefusal;

// A grab through the desktop's own colour picker, where the desktop hands
// out no picture of the screen: one click there takes the colour, without
// a magnifier and without ticks.
class DesktopPickerSession final : public GrabSession {
    Q_OBJECT

public:
    // met: what the grab met before the desktop's picker took over.
    DesktopPickerSession(const GrabSessionContext &context, DesktopPortal &portal, const GrabFindings &met);

    void start() override;
    ScreenSampler *sampler() override { return nullptr; }
    void finish() override { }

private:
    void refused(PortalRefusal why);

    DesktopPortal &portal;
};

} // namespace pigmentrix
