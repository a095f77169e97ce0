// A pick that starts at once, from a command or a key of the desktop: the
// grab a press on the grab button starts, ended by a click or a key instead
// of the release.
#include "sampling/grab_controller.h"

#include "sampling/eyedropper_cursor.h"
#include "sampling/pick_input.h"
#include "ui/error_guard.h"

#include <QApplication>
#include <QTimer>

namespace pigmentrix {

void GrabController::startPick()
{
    pickWaiting = true;
    if (grabbing)
        return;
    startGrabOfItsKind(false);
}

void GrabController::startLivePick()
{
    kind = GrabKind::Live;
    QGuiApplication::setOverrideCursor(EyedropperCursor());
    qApp->installEventFilter(this);
    filteringKeys = true;
    pickInput = std::make_unique<PickInput>();
    guard.connect(pickInput.get(), &PickInput::taken, this, [this] {
        // The colour under the pointer at the click, not at the last tick.
        Timer1Timer();
        endGrab();
    });
    guard.connect(pickInput.get(), &PickInput::givenUp, this, [this] { cancelGrab(); });
    pickInput->start();
    Timer1->start();
    Timer1Timer();
}

} // namespace pigmentrix
