#pragma once

#include "model/color.h"
#include "sampling/desktop_portal.h"
#include "sampling/frozen_desktop.h"
#include "sampling/magnifier_picture.h"
#include "sampling/output_pictures.h"
#include "sampling/screen_sampler.h"
#include "storage/property_bindings.h"

#include <QObject>
#include <QPoint>
#include <QRect>

#include <array>
#include <chrono>
#include <memory>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QTimer;
class QWidget;

namespace pigmentrix {

class ErrorGuard;
class FrozenGrab;
class GrabButton;
class ImageView;
class PickInput;
class PickerDialogs;

// How often a live grab takes the colour under the pointer (Timer1).
inline constexpr std::chrono::milliseconds GrabTickInterval{100};

// How many pixels round the pointer a grab averages.
enum class Averaging { Off = 0, Mean3x3 = 1, Mean5x5 = 2 };

// The eyedropper and the magnifier: a left press on the grab button starts a
// grab, each tick takes the colour under the pointer and shows the area
// round it enlarged, and any release ends it; arrow keys move the pointer a
// pixel meanwhile. Where the screen is read through the desktop portal, or
// with "Freeze Screen While Picking" on, the grab runs over a still picture
// of the desktop instead, until a click takes the colour or Escape gives up.
// Also the zoom, crosshair, averaging and coordinate commands, and picking a
// colour in the magnifier.
class GrabController : public QObject {
    Q_OBJECT

public:
    GrabController(QWidget *window, PickerDialogs &dialogs, const ErrorGuard &guard);
    ~GrabController() override;

    // "Zoom", "Color Averaging" and "Auto Color Copy after Grab", each
    // appended where the main menu is being built.
    void addZoomMenu(QMenu *menu);
    void addAveragingMenu(QMenu *menu);
    void addAutoCopyItem(QMenu *menu);
    // "Freeze Screen While Picking", where the screen can be read live.
    void addFreezeItem(QMenu *menu);
    std::vector<PropertyBinding> storedProperties();
    // Takes the menu's ticks into force once the stored ones are restored.
    void applyGrabOptions();
    // A layout change: the panel's and the picture's places, and whether the
    // coordinate labels show.
    void applyLayout(const QRect &panel, const QRect &pictureArea, bool detailsVisible);

    Averaging average() const { return averaging; }
    Crosshair crosshair() const { return crosshairShape; }
    bool grabActive() const { return grabbing; }
    bool dragging() const { return mousedownflag; }

    void setScreenSampler(std::unique_ptr<ScreenSampler> sampler);
    // Grabs go through the desktop portal: a still picture of the desktop,
    // or the desktop's own picker where it allows nothing else.
    void usePortal(std::unique_ptr<DesktopPortal> portal);
    // The still screens of the present grab; nullptr when none shows.
    FrozenGrab *frozenScreens() const { return frozen.get(); }

    // Starts picking at once, as a press on the grab button and a click
    // would: a left click or Enter takes, Escape or a right click gives up;
    // pickEnded tells which. A grab under way already answers for it.
    void startPick();

    void btnGrabMouseDown(Qt::MouseButton button);
    void btnGrabMouseUp(Qt::MouseButton button);
    void Timer1Timer();

signals:
    // A grab starts: the colour is recorded for undo and the editors held.
    void grabStarted();
    // A tick took a colour from the screen.
    void colorGrabbed(TColor color);
    // The grab is over; with auto copy on, copyRequested follows.
    void grabEnded();
    // After grabEnded: the user gave up a grab over a still picture; the
    // colour from before it comes back.
    void grabCancelled();
    void copyRequested();
    // After grabEnded (and copyRequested): how a grab that startPick asked
    // for ended.
    void pickEnded(bool taken);
    // A left press in the magnifier starts picking and its release ends it:
    // the picks between them are one change of the colour.
    void magnifierPickStarted();
    void magnifierPicked(TColor color);
    void magnifierPickFinished();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The screen the eyedropper reads; the session's own unless replaced.
    ScreenSampler &screenReader();
    void Off1Click(QAction *sender);
    void SetCoordinates1Click();
    void ResetCoordinates2Click();
    void Zoom1X1Click(QAction *sender);
    void Cross1Click(QAction *sender);
    void ClearZoomWindow1Click();
    void imgMagnifierMouseDown(Qt::MouseButton button, QPoint at);
    void imgMagnifierMouseMove(QPoint at);
    void imgMagnifierMouseUp();

    enum class GrabKind { Live, Portal, Frozen, DesktopPicker };
    enum class GrabOutcome { Taken, GivenUp };

    void buildPanel(QWidget *window);
    void startLiveGrab();
    // The kind of grab a press starts, for the press's own start or a pick's.
    void startGrabOfItsKind(bool buttonHeld);
    void startLivePick();
    void startPortalGrab();
    void startFrozenGrab(const std::vector<OutputPicture> &pictures);
    void startFrozenGrab(QImage desktop, const std::vector<ScreenPlacement> &placements, ScreenSampler *livePointer);
    void hidePointerForPicture();
    void showPointer();
    bool waitingForPicture() const;
    void giveUpWaiting();
    void endGrab(GrabOutcome outcome = GrabOutcome::Taken);
    void cancelGrab();
    void closeFrozenScreens();
    // What the grab met that the user should know, each said once a run
    // (all but the desktop's silence).
    void tellWhatTheGrabMet();
    void portalScreenshotTaken(const QImage &desktop);
    void portalColorPicked(TColor color);
    void portalRefused(PortalRefusal why);
    ScreenSampler &activeSampler();
    void connectHandlers();
    void refreshMagnifier(QPoint pointer);
    void pickFromMagnifier(QPoint at);

    QWidget *window;
    PickerDialogs &dialogs;
    const ErrorGuard &guard;
    std::unique_ptr<ScreenSampler> screenSampler;
    std::unique_ptr<DesktopPortal> portal;
    std::unique_ptr<FrozenGrab> frozen;
    // The desktop's pointer and keys, for a live pick without a press.
    std::unique_ptr<PickInput> pickInput;
    // A pick waits for the present grab's end.
    bool pickWaiting = false;
    GrabKind kind = GrabKind::Live;
    Averaging averaging = Averaging::Off;
    Crosshair crosshairShape = Crosshair::Cross;
    bool grabbing = false;
    bool mousedownflag = false;
    int rootx = 0;
    int rooty = 0;
    // The keys of the whole program go through eventFilter meanwhile.
    bool filteringKeys = false;
    // The pointer is hidden while the desktop takes its picture.
    bool pointerHidden = false;
    // The monitors as the compositor laid them out when the picture was
    // asked for; empty where only Qt knows them.
    std::vector<OutputLayout> portalOutputs;
    // A screen read failed during the present grab.
    bool screenReadFailed = false;
    bool toldScreenUnreadable = false;
    // The portal has no pictures, only the desktop's picker.
    bool onlyDesktopPicker = false;
    bool toldOnlyDesktopPicker = false;
    // The desktop refused or failed to take its picture.
    bool pictureRefused = false;
    bool toldPictureRefused = false;
    // A monitor's picture came resampled from another scale.
    bool pictureResampled = false;
    bool toldPictureResampled = false;
    bool portalSilent = false;

    QWidget *pnlMagnifier = nullptr;
    QWidget *pnlMagnifierArea = nullptr;
    QTimer *Timer1 = nullptr;
    GrabButton *btnGrab = nullptr;
    QComboBox *cbxZoom = nullptr;
    QLabel *lblX = nullptr;
    QLabel *lblY = nullptr;
    QLabel *lblXPos = nullptr;
    QLabel *lblYPos = nullptr;
    ImageView *Image1 = nullptr;
    ImageView *imgMagnifier = nullptr;
    QAction *Off1 = nullptr;
    QAction *N3x3Average1 = nullptr;
    QAction *N5x5Average1 = nullptr;
    QAction *AutoColorCopyafterGrab1 = nullptr;
    QAction *FreezeScreenWhilePicking1 = nullptr;
    QAction *SmoothTracking1 = nullptr;
    QAction *SetCoordinates1 = nullptr;
    QAction *ResetCoordinates2 = nullptr;
    QAction *ClearZoomWindow1 = nullptr;
    QAction *Cross1 = nullptr;
    QAction *Rectangle1 = nullptr;
    QAction *None1 = nullptr;
    std::array<QAction *, 20> zoomFactorItems{};
};

} // namespace pigmentrix
