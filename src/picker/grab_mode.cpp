// The eyedropper: a left press on the grab button starts a grab, a 100 ms
// tick takes the colour under the pointer, and any release ends it.
#include "picker/color_pick_window.h"

#include "picker/palette_slot_panel.h"

#include "displays/image_view.h"
#include "displays/tracker.h"
#include "picker/color_frame_panel.h"
#include "picker/picker_dialogs.h"
#include "sampling/average_color.h"
#include "sampling/grab_button.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace pigmentrix {

ScreenSampler &TfrmColorPick::screenReader()
{
    if (!screenSampler)
        screenSampler = CreateScreenSampler();
    return *screenSampler;
}

void TfrmColorPick::setScreenSampler(std::unique_ptr<ScreenSampler> sampler)
{
    screenSampler = std::move(sampler);
}

void TfrmColorPick::connectGrab()
{
    connect(btnGrab, &GrabButton::mousePressed, this,
            [this](Qt::MouseButton button) { runGuarded([this, button] { btnGrabMouseDown(button); }); });
    connect(btnGrab, &GrabButton::mouseReleased, this,
            [this](Qt::MouseButton button) { runGuarded([this, button] { btnGrabMouseUp(button); }); });
    connect(Timer1, &QTimer::timeout, this, [this] { runGuarded([this] { Timer1Timer(); }); });
    connect(imgMagnifier, &ImageView::mousePressed, this, [this](Qt::MouseButton button, QPoint at) {
        runGuarded([this, button, at] { imgMagnifierMouseDown(button, at); });
    });
    connect(imgMagnifier, &ImageView::mouseMoved, this,
            [this](Qt::MouseButtons, QPoint at) { runGuarded([this, at] { imgMagnifierMouseMove(at); }); });
    connect(imgMagnifier, &ImageView::mouseReleased, this,
            [this](Qt::MouseButton, QPoint) { runGuarded([this] { imgMagnifierMouseUp(); }); });
}

void TfrmColorPick::applyGrabOptions()
{
    crosshair = Cross1->isChecked() ? 1 : Rectangle1->isChecked() ? 2 : 0;
    average = N5x5Average1->isChecked() ? 2 : N3x3Average1->isChecked() ? 1 : 0;
    Timer1->setInterval(100);
    btnGrab->setImageIndex(average);
}

void TfrmColorPick::btnGrabMouseDown(Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        return;
    setnewcolor();
    QGuiApplication::setOverrideCursor(Qt::CrossCursor);
    // The pointer may now leave the window; the release still comes here.
    btnGrab->grabMouse();
    disablechanges();
    for (PaletteSlotPanel *slot : mempan)
        slot->ShowHint = false;
    grabActive = true;
    screenReadFailed = false;
    Timer1->start();
}

void TfrmColorPick::btnGrabMouseUp(Qt::MouseButton)
{
    if (grabActive) {
        QGuiApplication::restoreOverrideCursor();
        btnGrab->releaseMouse();
    }
    enablechanges();
    Timer1->stop();
    for (PaletteSlotPanel *slot : mempan)
        slot->ShowHint = true;
    grabActive = false;
    if (AutoColorCopyafterGrab1->isChecked()) {
        edtColor->selectAll();
        QGuiApplication::clipboard()->setText(edtColor->selectedText());
    }
    if (screenReadFailed && !toldScreenUnreadable) {
        toldScreenUnreadable = true;
        dialogs.showMessage(this, QStringLiteral("Screen colors cannot be read in this session, so the eyedropper "
                                                 "cannot take a color from the screen. The current color is unchanged."));
    }
    screenReadFailed = false;
}

void TfrmColorPick::Timer1Timer()
{
    if (!grabActive)
        return;
    lastcolor = pnlColor->Color;
    ScreenSampler &display = screenReader();
    const std::optional<QPoint> pointer = display.pointerPosition();
    std::optional<TColor> grabbed;
    if (pointer) {
        if (average == 1)
            grabbed = GetAverageColor(display, pointer->x(), pointer->y(), 3);
        else if (average == 2)
            grabbed = GetAverageColor(display, pointer->x(), pointer->y(), 5);
        else
            grabbed = display.pixel(*pointer);
    }
    // A failed read keeps the colour as it is: better no colour than a wrong one.
    if (!grabbed) {
        screenReadFailed = true;
        return;
    }
    pnlColor->Color = *grabbed;
    UpdatePanel(RedOf(*grabbed), GreenOf(*grabbed), BlueOf(*grabbed), scrollbarAlpha->Value());
    disablechanges();
    updatevalues(0);
    enablechanges();
    if (grabActive) {
        lblXPos->setText(QString::number(pointer->x() - rootx));
        lblYPos->setText(QString::number(pointer->y() - rooty));
        refreshMagnifier(*pointer);
    }
}

void TfrmColorPick::Off1Click(QAction *sender)
{
    for (QAction *item : {Off1, N3x3Average1, N5x5Average1})
        item->setChecked(false);
    sender->setChecked(true);
    average = sender->data().toInt();
    btnGrab->setImageIndex(average);
    Timer1->setInterval(100);
}

void TfrmColorPick::SetCoordinates1Click()
{
    if (const std::optional<QPoint> pointer = screenReader().pointerPosition()) {
        rootx = pointer->x();
        rooty = pointer->y();
    }
}

void TfrmColorPick::ResetCoordinates2Click()
{
    rootx = 0;
    rooty = 0;
}

} // namespace pigmentrix
