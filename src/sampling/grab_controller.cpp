// The eyedropper: a left press on the grab button starts a grab, a
// tick takes the colour under the pointer, and any release ends it; or the
// grab runs over a still picture of the desktop, or through the desktop's
// own picker, each a session of its own kind (grab_sessions.h).
#include "sampling/grab_controller.h"

#include "sampling/average_color.h"
#include "sampling/frozen_grab.h"
#include "sampling/grab_button.h"
#include "sampling/x11_icc_profiles.h"
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

GrabController::GrabController(QWidget *window, PickerDialogs &dialogs, const ErrorGuard &guard,
                               std::unique_ptr<GrabSessions> sessions)
    : QObject(window)
    , window(window)
    , dialogs(dialogs)
    , guard(guard)
    , sessions(std::move(sessions))
{
    setObjectName(QStringLiteral("grabController"));
    buildPanel(window);
    connectHandlers();
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
        if (session && session->live() && SmoothTracking1->isChecked())
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
        CheckedRow("NativeScreenColors1_Checked", NativeScreenColors1),
        CheckedRow("ConvertedScreenColors1_Checked", ConvertedScreenColors1),
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
    if (NativeScreenColors1)
        screenColors.setMode(NativeScreenColors1->isChecked() ? ScreenColors::Mode::Native
                                                              : ScreenColors::Mode::Converted);
}

void GrabController::btnGrabMouseDown(Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        return;
    if (session) {
        session->pressedAgain();
        return;
    }
    startSession(LiveGrabSession::Start::ButtonHeld);
}

void GrabController::startPick()
{
    pickWaiting = true;
    if (session)
        return;
    startSession(LiveGrabSession::Start::Pick);
}

void GrabController::startSession(LiveGrabSession::Start how)
{
    emit grabStarted();
    met = {};
    if (sessions->deviceColors()) {
        refreshScreenColors();
        met.profileUnreadable =
            screenColors.chosenMode() == ScreenColors::Mode::Converted && screenColors.profileUnreadable();
    }
    const bool freeze = FreezeScreenWhilePicking1 && FreezeScreenWhilePicking1->isChecked();
    // The keys of the whole program go to the session while it runs.
    qApp->installEventFilter(this);
    runSession(sessions->create(sessionContext(), how, freeze));
    // A pick shows the colour under the pointer at once; a press, at the
    // first tick.
    if (how == LiveGrabSession::Start::Pick && session && session->live())
        Timer1Timer();
}

GrabSessionContext GrabController::sessionContext()
{
    return {window, btnGrab, guard, screenReader()};
}

void GrabController::runSession(std::unique_ptr<GrabSession> next)
{
    session = std::move(next);
    GrabSession *running = session.get();
    // A session ended or replaced may still be answered; only the present
    // one counts.
    auto whileRunning = [this, running](auto handler) {
        return [this, running, handler](auto &&...arguments) {
            if (session.get() == running)
                handler(arguments...);
        };
    };
    guard.connect(running, &GrabSession::tick, this, whileRunning([this] { Timer1Timer(); }));
    guard.connect(running, &GrabSession::colorPicked, this,
                  whileRunning([this](TColor color) { emit colorGrabbed(color); }));
    guard.connect(running, &GrabSession::taken, this, whileRunning([this] { endGrab(); }));
    guard.connect(running, &GrabSession::givenUp, this, whileRunning([this] { cancelGrab(); }));
    guard.connect(running, &GrabSession::failed, this, whileRunning([this] { endGrab(GrabOutcome::GivenUp); }));
    guard.connect(running, &GrabSession::desktopPickerNeeded, this, whileRunning([this] { switchToDesktopPicker(); }));
    running->start();
    if (session.get() == running && running->live())
        Timer1->start();
}

void GrabController::switchToDesktopPicker()
{
    const GrabFindings findings = session->findings();
    std::unique_ptr<GrabSession> picker = sessions->desktopPicker(sessionContext(), findings);
    session->finish();
    retireSession();
    if (!picker) {
        met |= findings;
        endGrab(GrabOutcome::GivenUp);
        return;
    }
    runSession(std::move(picker));
}

// An ended session may be inside one of its own signals: it goes once that
// is over, or with the controller if that goes first, since its handlers run
// through the window's guard.
void GrabController::retireSession()
{
    session->setParent(this);
    session.release()->deleteLater();
}

void GrabController::btnGrabMouseUp(Qt::MouseButton)
{
    // A grab over a still picture, or one the portal still prepares, ends
    // on the still picture, not at the release of the button.
    if (session && !session->live())
        return;
    // The pointer may have arrived after the last tick: the colour taken is
    // the one under it at the release.
    if (session)
        Timer1Timer();
    endGrab();
}

void GrabController::endGrab(GrabOutcome outcome)
{
    const bool wasGrabbing = session != nullptr;
    qApp->removeEventFilter(this);
    if (session) {
        session->finish();
        met |= session->findings();
        retireSession();
    }
    Timer1->stop();
    if (wasGrabbing)
        emit grabEnded();
    if (outcome == GrabOutcome::Taken && AutoColorCopyafterGrab1->isChecked())
        emit copyRequested();
    if (wasGrabbing && std::exchange(pickWaiting, false))
        emit pickEnded(outcome == GrabOutcome::Taken);
    tellWhatTheGrabMet(std::exchange(met, {}));
}

void GrabController::cancelGrab()
{
    endGrab(GrabOutcome::GivenUp);
    emit grabCancelled();
}

ScreenSampler &GrabController::activeSampler()
{
    if (session) {
        if (ScreenSampler *sampler = session->sampler())
            return *sampler;
    }
    return screenReader();
}

void GrabController::Timer1Timer()
{
    if (!session)
        return;
    ScreenSampler &display = activeSampler();
    const std::optional<QPoint> pointer = display.pointerPosition();
    const std::optional<TColor> grabbed = pointer ? takeColor(display, *pointer) : std::nullopt;
    // A failed read keeps the colour as it is: better no colour than a wrong one.
    if (!grabbed) {
        met.screenReadFailed = true;
        return;
    }
    emit colorGrabbed(*grabbed);
    if (session) {
        lblXPos->setText(QString::number(pointer->x() - rootx));
        lblYPos->setText(QString::number(pointer->y() - rooty));
        refreshMagnifier(*pointer);
    }
}

std::optional<TColor> GrabController::takeColor(ScreenSampler &display, QPoint pointer)
{
    const ScreenColors *conversion = sessions->deviceColors() && screenColors.converting() ? &screenColors : nullptr;
    if (averaging == Averaging::Mean3x3)
        return GetAverageColor(display, pointer.x(), pointer.y(), 3, conversion);
    if (averaging == Averaging::Mean5x5)
        return GetAverageColor(display, pointer.x(), pointer.y(), 5, conversion);
    const std::optional<TColor> device = display.pixel(pointer);
    if (device && conversion)
        return conversion->convert(pointer, *device);
    return device;
}

bool GrabController::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && session && session->keyPressed(*static_cast<QKeyEvent *>(event)))
        return true;
    return QObject::eventFilter(watched, event);
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
