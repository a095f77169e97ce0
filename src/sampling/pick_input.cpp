#include "sampling/pick_input.h"

#include "sampling/eyedropper_cursor.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWindow>

namespace pigmentrix {
namespace {

// Another program may hold a grab for a moment (a menu closing, the key
// combination that started the pick still down): try again for two seconds.
constexpr int GrabAttempts = 100;
constexpr std::chrono::milliseconds GrabRetry(20);

} // namespace

PickInput::PickInput()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("pickInput"));
    setWindowTitle(QStringLiteral("Pigmentrix pick"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setCursor(EyedropperCursor());
    setGeometry(-10, -10, 1, 1);
}

PickInput::~PickInput()
{
    stop();
}

void PickInput::stop()
{
    // No grab is tried once the pick is over.
    grabAttempts = GrabAttempts;
    if (grabbed) {
        grabbed = false;
        releaseKeyboard();
        releaseMouse();
        if (QWindow *window = windowHandle()) {
            window->setKeyboardGrabEnabled(false);
            window->setMouseGrabEnabled(false);
        }
    }
    hide();
}

void PickInput::start()
{
    show();
    tryToGrab();
}

void PickInput::tryToGrab()
{
    QWindow *window = windowHandle();
    if (grabbed || !window || grabAttempts >= GrabAttempts)
        return;
    if (window->setMouseGrabEnabled(true)) {
        if (window->setKeyboardGrabEnabled(true)) {
            grabbed = true;
            // Qt's own bookkeeping, so that its events come to this widget.
            grabMouse(EyedropperCursor());
            grabKeyboard();
            return;
        }
        window->setMouseGrabEnabled(false);
    }
    if (++grabAttempts < GrabAttempts)
        QTimer::singleShot(GrabRetry, this, &PickInput::tryToGrab);
}

void PickInput::mousePressEvent(QMouseEvent *event)
{
    pressed = event->button();
}

// The release ends the pick, so that the program under the pointer sees
// neither half of the click.
void PickInput::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != pressed)
        return;
    pressed = Qt::NoButton;
    if (event->button() == Qt::LeftButton)
        emit taken();
    else if (event->button() == Qt::RightButton)
        emit givenUp();
}

void PickInput::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: emit taken(); break;
    case Qt::Key_Escape: emit givenUp(); break;
    default: QWidget::keyPressEvent(event);
    }
}

} // namespace pigmentrix
