// The eyedropper: a left press on the grab button starts a grab, a 100 ms
// tick takes the colour under the pointer, and any release ends it.
#include "sampling/grab_controller.h"

#include "sampling/average_color.h"
#include "sampling/grab_button.h"
#include "ui/bound_controls.h"
#include "ui/error_guard.h"
#include "ui/image_view.h"
#include "ui/picker_dialogs.h"

#include <QAction>
#include <QComboBox>
#include <QCursor>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QTimer>

namespace pigmentrix {

QCursor EyedropperCursor()
{
    // The eyedropper picture of the grab button, its tip at (2.8, 21.2) of
    // 24 x 24: the pixel the grab takes is the one under the tip.
    constexpr int Size = 32;
    const QPixmap picture = QIcon(QStringLiteral(":/icons/eyedrop.svg")).pixmap(QSize(Size, Size));
    if (picture.isNull())
        return QCursor(Qt::CrossCursor);
    return QCursor(picture, EyedropperHotSpot.x(), EyedropperHotSpot.y());
}

GrabController::GrabController(QWidget *window, PickerDialogs &dialogs, const ErrorGuard &guard)
    : QObject(window)
    , window(window)
    , dialogs(dialogs)
    , guard(guard)
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
    Timer1->setInterval(100);
    btnGrab->setImageIndex(static_cast<int>(averaging));
}

void GrabController::btnGrabMouseDown(Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        return;
    emit grabStarted();
    QGuiApplication::setOverrideCursor(EyedropperCursor());
    // The pointer may now leave the window; the release still comes here.
    btnGrab->grabMouse();
    grabbing = true;
    screenReadFailed = false;
    Timer1->start();
}

void GrabController::btnGrabMouseUp(Qt::MouseButton)
{
    const bool wasGrabbing = grabbing;
    if (grabbing) {
        QGuiApplication::restoreOverrideCursor();
        btnGrab->releaseMouse();
    }
    Timer1->stop();
    grabbing = false;
    if (wasGrabbing)
        emit grabEnded();
    if (AutoColorCopyafterGrab1->isChecked())
        emit copyRequested();
    if (screenReadFailed && !toldScreenUnreadable) {
        toldScreenUnreadable = true;
        dialogs.showMessage(window,
                            QStringLiteral("Screen colors cannot be read in this session, so the eyedropper "
                                           "cannot take a color from the screen. The current color is unchanged."));
    }
    screenReadFailed = false;
}

void GrabController::Timer1Timer()
{
    if (!grabbing)
        return;
    ScreenSampler &display = screenReader();
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

void GrabController::Off1Click(QAction *sender)
{
    for (QAction *item : {Off1, N3x3Average1, N5x5Average1})
        item->setChecked(false);
    sender->setChecked(true);
    averaging = static_cast<Averaging>(sender->data().toInt());
    btnGrab->setImageIndex(static_cast<int>(averaging));
    Timer1->setInterval(100);
}

void GrabController::SetCoordinates1Click()
{
    if (const std::optional<QPoint> pointer = screenReader().pointerPosition()) {
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
