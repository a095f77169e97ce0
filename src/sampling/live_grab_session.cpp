#include "sampling/live_grab_session.h"

#include "sampling/eyedropper_cursor.h"
#include "sampling/grab_button.h"
#include "sampling/pick_input.h"
#include "sampling/screen_sampler.h"
#include "ui/arrow_nudge.h"
#include "ui/error_guard.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace pigmentrix {

LiveGrabSession::LiveGrabSession(const GrabSessionContext &context, Start how)
    : GrabSession(context)
    , how(how)
{
}

LiveGrabSession::~LiveGrabSession() = default;

void LiveGrabSession::start()
{
    running = true;
    QGuiApplication::setOverrideCursor(EyedropperCursor());
    if (how == Start::ButtonHeld) {
        // The pointer may now leave the window; the release still comes here.
        context.button->grabMouse();
        return;
    }
    pickInput = std::make_unique<PickInput>();
    context.guard.connect(pickInput.get(), &PickInput::taken, this, [this] {
        // The colour under the pointer at the click, not at the last tick.
        emit tick();
        emit taken();
    });
    context.guard.connect(pickInput.get(), &PickInput::givenUp, this, [this] { emit givenUp(); });
    pickInput->start();
}

bool LiveGrabSession::keyPressed(const QKeyEvent &key)
{
    const std::optional<QPoint> step = ArrowNudge(key);
    if (!step)
        return false;
    if (const std::optional<QPoint> pointer = context.screen.pointerPosition()) {
        if (context.screen.movePointer(*pointer + *step))
            emit tick();
    }
    return true;
}

void LiveGrabSession::finish()
{
    if (!running)
        return;
    running = false;
    QGuiApplication::restoreOverrideCursor();
    if (how == Start::ButtonHeld)
        context.button->releaseMouse();
    // Its own click may be the one that ends the pick.
    if (pickInput) {
        pickInput->stop();
        pickInput.release()->deleteLater();
    }
}

} // namespace pigmentrix
