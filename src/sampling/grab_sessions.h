#pragma once

#include "sampling/grab_session.h"
#include "sampling/live_grab_session.h"

#include <memory>

namespace pigmentrix {

class DesktopPortal;

// Chooses the kind of session each grab runs, for the way this session's
// screen is read.
class GrabSessions {
public:
    virtual ~GrabSessions();

    // Whether "Freeze Screen While Picking" chooses anything here.
    virtual bool freezeChoosable() const = 0;
    // Whether the grabs read the display's device values, which its colour
    // profile turns into sRGB; pictures the desktop hands out are sRGB.
    virtual bool deviceColors() const = 0;
    // The session a press on the grab button, or a pick, starts; freeze:
    // "Freeze Screen While Picking" is on.
    virtual std::unique_ptr<GrabSession> create(const GrabSessionContext &context, LiveGrabSession::Start how,
                                                bool freeze) = 0;
    // The desktop's own picker, taking over from a session that got no
    // picture of the screen and met what `met` holds.
    virtual std::unique_ptr<GrabSession> desktopPicker(const GrabSessionContext &context, const GrabFindings &met);
};

// Grabs over the screen the program reads itself (the X server): live, or
// over its still picture when the user froze the screen.
class ScreenGrabSessions final : public GrabSessions {
public:
    bool freezeChoosable() const override { return true; }
    bool deviceColors() const override { return true; }
    std::unique_ptr<GrabSession> create(const GrabSessionContext &context, LiveGrabSession::Start how,
                                        bool freeze) override;
};

// Grabs where only the compositor or the desktop portal hands out the
// screen: always over a still picture, or through the desktop's picker.
class PortalGrabSessions final : public GrabSessions {
public:
    explicit PortalGrabSessions(std::unique_ptr<DesktopPortal> portal);
    ~PortalGrabSessions() override;

    bool freezeChoosable() const override { return false; }
    bool deviceColors() const override { return false; }
    std::unique_ptr<GrabSession> create(const GrabSessionContext &context, LiveGrabSession::Start how,
                                        bool freeze) override;
    std::unique_ptr<GrabSession> desktopPicker(const GrabSessionContext &context, const GrabFindings &met) override;

private:
    std::unique_ptr<DesktopPortal> portal;
};

// The grab sessions of this graphical session: through the portal in a
// Wayland session, else over the X server's screen.
std::unique_ptr<GrabSessions> CreateGrabSessions();

} // namespace pigmentrix
