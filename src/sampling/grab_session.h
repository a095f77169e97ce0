#pragma once

#include "model/color.h"

#include <QObject>

class QKeyEvent;
class QWidget;

namespace pigmentrix {

class ErrorGuard;
class FrozenGrab;
class GrabButton;
class ScreenSampler;

// What a grab met that the user should know of, gathered while it runs and
// told once it is over.
struct GrabFindings {
    // A screen read failed.
    bool screenReadFailed = false;
    // The portal has no pictures, only the desktop's picker.
    bool onlyDesktopPicker = false;
    // The desktop refused or failed to take its picture.
    bool pictureRefused = false;
    // A monitor's picture came resampled from another scale.
    bool pictureResampled = false;
    // The desktop did not answer at all.
    bool portalSilent = false;
    // The display's colour profile is set but cannot be used.
    bool profileUnreadable = false;

    GrabFindings &operator|=(const GrabFindings &other);
};

// What every grab session works with: the window (drawn on the still
// screens), the grab button (which holds the pointer in a live grab), the
// guard of its handlers and the live screen.
struct GrabSessionContext {
    QWidget *window;
    GrabButton *button;
    const ErrorGuard &guard;
    ScreenSampler &screen;
};

// One grab from its start to its end, of one kind: where the colours come
// from and what ends it. The grab controller takes the colour at each tick
// from sampler(), and tells the user what the session met once it ends.
class GrabSession : public QObject {
    Q_OBJECT

public:
    ~GrabSession() override;

    virtual void start() = 0;
    // The screen the ticks read; nullptr where the session has none (yet).
    virtual ScreenSampler *sampler() = 0;
    // Whether the colour follows the live screen, tick by tick: then the
    // release of the grab button takes the colour and ends the grab.
    virtual bool live() const { return false; }
    // A key of the whole program while the session runs; true when used.
    virtual bool keyPressed(const QKeyEvent &key);
    // Another press on the grab button; true when it gave the grab up.
    virtual bool pressedAgain();
    // Puts back the pointer and closes what the session showed; the session
    // is deleted once the event under way is over.
    virtual void finish() = 0;
    // The still screens of the session; nullptr when none shows.
    virtual FrozenGrab *frozenScreens() const { return nullptr; }
    const GrabFindings &findings() const { return met; }

signals:
    // Take the colour under the pointer now.
    void tick();
    // The desktop's own picker answered with a colour.
    void colorPicked(TColor color);
    // The user took the colour where it is.
    void taken();
    // The user gave up: the colour from before comes back.
    void givenUp();
    // The grab ended without a colour, for a reason in findings().
    void failed();
    // The desktop hands out no picture: its own picker has to take over.
    void desktopPickerNeeded();

protected:
    explicit GrabSession(const GrabSessionContext &context);

    GrabSessionContext context;
    GrabFindings met;
};

} // namespace pigmentrix
