#pragma once

#include "model/color.h"
#include "sampling/grab_session.h"
#include "sampling/grab_sessions.h"
#include "sampling/magnifier_picture.h"
#include "sampling/screen_colors.h"
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
class PickerDialogs;
class X11IccProfiles;

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
// Each grab is a session of its kind, chosen by the GrabSessions handed in.
// Also the zoom, crosshair, averaging and coordinate commands, and picking a
// colour in the magnifier.
class GrabController : public QObject {
    Q_OBJECT

public:
    GrabController(QWidget *window, PickerDialogs &dialogs, const ErrorGuard &guard,
                   std::unique_ptr<GrabSessions> sessions);
    ~GrabController() override;

    // "Zoom", "Color Averaging" and "Auto Color Copy after Grab", each
    // appended where the main menu is being built.
    void addZoomMenu(QMenu *menu);
    void addAveragingMenu(QMenu *menu);
    void addAutoCopyItem(QMenu *menu);
    // "Freeze Screen While Picking", where the screen can be read live.
    void addFreezeItem(QMenu *menu);
    // "Screen Colors": the display's device values, or sRGB through its
    // colour profile.
    void addScreenColorsMenu(QMenu *menu);
    std::vector<PropertyBinding> storedProperties();
    // Takes the menu's ticks into force once the stored ones are restored.
    void applyGrabOptions();
    // A layout change: the panel's and the picture's places, and whether the
    // coordinate labels show.
    void applyLayout(const QRect &panel, const QRect &pictureArea, bool detailsVisible);

    Averaging average() const { return averaging; }
    Crosshair crosshair() const { return crosshairShape; }
    bool grabActive() const { return session != nullptr; }
    bool dragging() const { return mousedownflag; }

    void setScreenSampler(std::unique_ptr<ScreenSampler> sampler);
    // The kinds of grab from now on.
    void useSessions(std::unique_ptr<GrabSessions> kinds);
    // The still screens of the present grab; nullptr when none shows.
    FrozenGrab *frozenScreens() const { return session ? session->frozenScreens() : nullptr; }

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
    void ScreenColorsClick(QAction *sender);
    // The monitors' profiles read again where they changed since.
    void refreshScreenColors();
    // The choice's tooltip: the profile in use, or why there is none.
    void describeScreenColors();
    std::optional<TColor> takeColor(ScreenSampler &display, QPoint pointer);
    void imgMagnifierMouseDown(Qt::MouseButton button, QPoint at);
    void imgMagnifierMouseMove(QPoint at);
    void imgMagnifierMouseUp();

    enum class GrabOutcome { Taken, GivenUp };

    void buildPanel(QWidget *window);
    void startSession(LiveGrabSession::Start how);
    GrabSessionContext sessionContext();
    void retireSession();
    // Runs the session as the present grab's.
    void runSession(std::unique_ptr<GrabSession> next);
    void endGrab(GrabOutcome outcome = GrabOutcome::Taken);
    void cancelGrab();
    void switchToDesktopPicker();
    // What the grab met that the user should know, each said once a run
    // (all but the desktop's silence).
    void tellWhatTheGrabMet(const GrabFindings &findings);
    ScreenSampler &activeSampler();
    void connectHandlers();
    void refreshMagnifier(QPoint pointer);
    void pickFromMagnifier(QPoint at);

    QWidget *window;
    PickerDialogs &dialogs;
    const ErrorGuard &guard;
    std::unique_ptr<ScreenSampler> screenSampler;
    std::unique_ptr<GrabSessions> sessions;
    // The present grab; nullptr between grabs.
    std::unique_ptr<GrabSession> session;
    // What the present grab's ticks met.
    GrabFindings met;
    ScreenColors screenColors;
    // Where the profiles are published; opened when first needed.
    std::unique_ptr<X11IccProfiles> iccProfiles;
    bool profilesChanged = true;
    std::size_t knownMonitors = 0;
    // A pick waits for the present grab's end.
    bool pickWaiting = false;
    Averaging averaging = Averaging::Off;
    Crosshair crosshairShape = Crosshair::Cross;
    bool mousedownflag = false;
    int rootx = 0;
    int rooty = 0;
    bool toldScreenUnreadable = false;
    bool toldOnlyDesktopPicker = false;
    bool toldPictureRefused = false;
    bool toldPictureResampled = false;
    bool toldProfileUnreadable = false;

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
    QAction *NativeScreenColors1 = nullptr;
    QAction *ConvertedScreenColors1 = nullptr;
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
