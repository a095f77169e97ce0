// The eyedropper: a left press on the grab button starts a grab, a
// tick takes the colour under the pointer, and any release ends it; or the
// grab runs over a still picture of the desktop (grab_frozen.cpp).
#include "sampling/grab_controller.h"

#include "sampling/average_color.h"
#include "sampling/eyedropper_cursor.h"
#include "sampling/frozen_grab.h"
#include "sampling/grab_button.h"
#include "sampling/pick_input.h"
#include "ui/arrow_nudge.h"
#include "ui/bound_controls.h"
#include "ui/error_guard.h"
#include "ui/image_view.h"
#include "ui/picker_dialogs.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

#include <utility>

namespace pigmentrix {

GrabController::GrabController(QWidget *window, PickerDialogs &dialogs, const ErrorGuard &guard)
    : QObject(window)
    , window(window)
    , dialogs(dialogs)
    , guard(guard)
{
    setObjectName(QStringLiteral("grabController"));
    buildPanel(window);
    connectHandlers();
    if (ScreenReadThroughPortal())
        usePortal(std::make_unique<DesktopPortal>());
}

GrabController::~GrabController() = default;

void GrabController::connectHandlers()
{
    guard.connect(btnGrab, &GrabButton::mousePressed, this,
                  [this](Qt::MouseButton button) { btnGrabMouseDown(button); });
    guard.connect(btnGrab, &GrabButton::mouseReleased, this,
                  [this](Qt::MouseButton button) { btnGrabMouseUp(button); });
    guard.connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    guard.connect(btnGrab, &GrabButton::mouseMoved, this, [this] {
        if (grabbing && kind == GrabKind::Live && SmoothTracking1->isChecked())
            Timer1Timer();
    });
    guard.connect(imgMagnifier, &ImageView::mousePressed, this,
                  [this](Qt::MouseButton button, QPoint at) { imgMagnifierMouseDown(button, at); });
    guard.connect(imgMagnifier, &ImageView::mouseMoved, this,
                  [this](Qt::MouseButtons, QPoint at) { imgMagnifierMouseMove(at); });
    guard.connect(imgMagnifier, &ImageView::mouseReleased, this, [this] { imgMagnifierMouseUp(); });
}

std::vector<PropertyBinding> GrabController::storedProperties()
{
    return {
        CheckedRow("Cross1_Checked", Cross1),
        CheckedRow("Rectangle1_Checked", Rectangle1),
        CheckedRow("None1_Checked", None1),
        CheckedRow("Off1_Checked", Off1),
        CheckedRow("N3x3Average1_Checked", N3x3Average1),
        CheckedRow("N5x5Average1_Checked", N5x5Average1),
        ItemIndexRow("cbxZoom_ItemIndex", cbxZoom),
        CheckedRow("AutoColorCopyafterGrab1_Checked", AutoColorCopyafterGrab1),
        CheckedRow("FreezeScreenWhilePicking1_Checked", FreezeScreenWhilePicking1),
        CheckedRow("SmoothTracking1_Checked", SmoothTracking1),
    };
}

ScreenSampler &GrabController::screenReader()
{
    if (!screenSampler)
        screenSampler = CreateScreenSampler();
    return *screenSampler;
}

void GrabController::setScreenSampler(std::unique_ptr<ScreenSampler> sampler)
{
    screenSampler = std::move(sampler);
}

void GrabController::applyGrabOptions()
{
    crosshairShape = Cross1->isChecked()       ? Crosshair::Cross
                     : Rectangle1->isChecked() ? Crosshair::Rectangle
                                               : Crosshair::None;
    averaging = N5x5Average1->isChecked()   ? Averaging::Mean5x5
                : N3x3Average1->isChecked() ? Averaging::Mean3x3
                                            : Averaging::Off;
    btnGrab->setImageIndex(static_cast<int>(averaging));
}

void GrabController::btnGrabMouseDown(Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        return;
    if (waitingForPicture()) {
        giveUpWaiting();
        return;
    }
    if (grabbing)
        return;
    startGrabOfItsKind(true);
}

void GrabController::startGrabOfItsKind(bool buttonHeld)
{
    emit grabStarted();
    grabbing = true;
    screenReadFailed = false;
    if (portal) {
        startPortalGrab();
        return;
    }
    if (FreezeScreenWhilePicking1 && FreezeScreenWhilePicking1->isChecked()) {
        if (std::optional<QImage> desktop = screenReader().captureDesktop()) {
            // Qt's events round the pointer to logical pixels; the X server
            // knows the physical one.
            const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
            startFrozenGrab(std::move(*desktop), PlaceScreensOnRoot(CurrentScreenGeometries()),
                            x11 ? &screenReader() : nullptr);
            return;
        }
    }
    if (buttonHeld)
        startLiveGrab();
    else
        startLivePick();
}

void GrabController::startLiveGrab()
{
    kind = GrabKind::Live;
    QGuiApplication::setOverrideCursor(EyedropperCursor());
    // The pointer may now leave the window; the release still comes here.
    btnGrab->grabMouse();
    qApp->installEventFilter(this);
    filteringKeys = true;
    Timer1->start();
}

void GrabController::btnGrabMouseUp(Qt::MouseButton)
{
    // A grab over a still picture, or one the portal still prepares, ends
    // on the still picture, not at the release of the button.
    if (grabbing && kind != GrabKind::Live)
        return;
    // The pointer may have arrived after the last tick: the colour taken is
    // the one under it at the release.
    if (grabbing)
        Timer1Timer();
    endGrab();
}

void GrabController::endGrab(GrabOutcome outcome)
{
    const bool wasGrabbing = grabbing;
    if (filteringKeys) {
        qApp->removeEventFilter(this);
        filteringKeys = false;
    }
    if (grabbing && kind == GrabKind::Live) {
        QGuiApplication::restoreOverrideCursor();
        btnGrab->releaseMouse();
    }
    showPointer();
    closeFrozenScreens();
    // Its own click may be the one that ends the pick.
    if (pickInput)
        pickInput.release()->deleteLater();
    Timer1->stop();
    grabbing = false;
    kind = GrabKind::Live;
    if (wasGrabbing)
        emit grabEnded();
    if (outcome == GrabOutcome::Taken && AutoColorCopyafterGrab1->isChecked())
        emit copyRequested();
    if (wasGrabbing && std::exchange(pickWaiting, false))
        emit pickEnded(outcome == GrabOutcome::Taken);
    tellWhatTheGrabMet();
}

ScreenSampler &GrabController::activeSampler()
{
    if (frozen)
        return frozen->sampler();
    return screenReader();
}

void GrabController::Timer1Timer()
{
    if (!grabbing)
        return;
    ScreenSampler &display = activeSampler();
    const std::optional<QPoint> pointer = display.pointerPosition();
    std::optional<TColor> grabbed;
    if (pointer) {
        if (averaging == Averaging::Mean3x3)
            grabbed = GetAverageColor(display, pointer->x(), pointer->y(), 3);
        else if (averaging == Averaging::Mean5x5)
            grabbed = GetAverageColor(display, pointer->x(), pointer->y(), 5);
        else
            grabbed = display.pixel(*pointer);
    }
    // A failed read keeps the colour as it is: better no colour than a wrong one.
    if (!grabbed) {
        screenReadFailed = true;
        return;
    }
    emit colorGrabbed(*grabbed);
    if (grabbing) {
        lblXPos->setText(QString::number(pointer->x() - rootx));
        lblYPos->setText(QString::number(pointer->y() - rooty));
        refreshMagnifier(*pointer);
    }
}

// While the grab button is held, the arrow keys move the pointer one
// physical pixel (Shift: ten) for a pixel the hand cannot hit.
bool GrabController::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !grabbing)
        return QObject::eventFilter(watched, event);
    if (waitingForPicture() && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        giveUpWaiting();
        return true;
    }
    if (kind != GrabKind::Live)
        return QObject::eventFilter(watched, event);
    const std::optional<QPoint> step = ArrowNudge(*static_cast<QKeyEvent *>(event));
    if (!step)
        return QObject::eventFilter(watched, event);
    ScreenSampler &display = screenReader();
    if (const std::optional<QPoint> pointer = display.pointerPosition()) {
        if (display.movePointer(*pointer + *step))
            Timer1Timer();
    }
    return true;
}

void GrabController::Off1Click(QAction *sender)
{
    for (QAction *item : {Off1, N3x3Average1, N5x5Average1})
        item->setChecked(false);
    sender->setChecked(true);
    averaging = static_cast<Averaging>(sender->data().toInt());
    btnGrab->setImageIndex(static_cast<int>(averaging));
}

void GrabController::SetCoordinates1Click()
{
    if (const std::optional<QPoint> pointer = activeSampler().pointerPosition()) {
        rootx = pointer->x();
        rooty = pointer->y();
    }
}

void GrabController::ResetCoordinates2Click()
{
    rootx = 0;
    rooty = 0;
}

} // namespace pigmentrix
