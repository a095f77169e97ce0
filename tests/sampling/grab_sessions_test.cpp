#include "fake_portal.h"
#include "image_screen_sampler.h"
#include "sampling/desktop_portal.h"
#include "sampling/grab_button.h"
#include "sampling/grab_sessions.h"
#include "sampling/still_picture_session.h"
#include "ui/error_guard.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

namespace pigmentrix {
namespace {

enum class Reading { Screen, Portal };
enum class Kind { Live, StillPicture };

struct SessionChoiceRow {
    const char *what;
    Reading reading;
    bool freeze;
    bool screenReadable;
    Kind expected;
};

// The session a grab runs, for each way the screen is read: the X server's
// screen is read live unless the user froze it and it could be captured;
// through the portal every grab is over a still picture.
TEST(GrabSessionsTest, EachGrabRunsTheSessionOfItsKind)
{
    const SessionChoiceRow rows[] = {
        {"the screen, live", Reading::Screen, false, true, Kind::Live},
        {"the screen, frozen", Reading::Screen, true, true, Kind::StillPicture},
        {"the screen frozen but not capturable stays live", Reading::Screen, true, false, Kind::Live},
        {"the portal", Reading::Portal, false, true, Kind::StillPicture},
        {"the portal, frozen", Reading::Portal, true, true, Kind::StillPicture},
    };
    PrivateSessionBus bus;
    QWidget window;
    GrabButton button(&window);
    const ErrorGuard guard([](const QString &) {});
    for (const SessionChoiceRow &row : rows) {
        SCOPED_TRACE(row.what);
        ImageScreenSampler screen(QImage(40, 30, QImage::Format_RGB32));
        screen.readable = row.screenReadable;
        std::unique_ptr<GrabSessions> sessions;
        if (row.reading == Reading::Screen)
            sessions = std::make_unique<ScreenGrabSessions>();
        else
            sessions = std::make_unique<PortalGrabSessions>(std::make_unique<DesktopPortal>(bus.programSide()));
        EXPECT_EQ(sessions->freezeChoosable(), row.reading == Reading::Screen);
        for (LiveGrabSession::Start how : {LiveGrabSession::Start::ButtonHeld, LiveGrabSession::Start::Pick}) {
            const std::unique_ptr<GrabSession> session =
                sessions->create({&window, &button, guard, screen}, how, row.freeze);
            ASSERT_TRUE(session);
            const Kind kind = dynamic_cast<StillPictureSession *>(session.get()) ? Kind::StillPicture : Kind::Live;
            EXPECT_EQ(kind, row.expected);
            EXPECT_EQ(session->live(), row.expected == Kind::Live);
        }
        const bool hasDesktopPicker = sessions->desktopPicker({&window, &button, guard, screen}, {}) != nullptr;
        EXPECT_EQ(hasDesktopPicker, row.reading == Reading::Portal)
            << "only the portal offers the desktop's own picker when no picture comes";
    }
}

} // namespace
} // namespace pigmentrix
