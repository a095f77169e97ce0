#pragma once

#include "displays/hsv_pictures.h"
#include "displays/picture_mapping.h"

#include <QObject>
#include <QRect>
#include <QSize>

#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace pigmentrix {

class ErrorGuard;
class ImageView;

// The hue and value the picture is built for.
struct PictureHueValue {
    int hue = 0;
    int value = 0;
};

// The HSV picture at the top right: built for the display mode, the "Display
// Mode" menu, and picking a colour on it with the mouse.
class HsvPictureArea : public QObject {
    Q_OBJECT

public:
    using HueValueSource = std::function<PictureHueValue()>;

    // hueValue gives the hue and value sliders' present values.
    HsvPictureArea(QWidget *window, HueValueSource hueValue, const ErrorGuard &guard);

    void addMenu(QMenu *menu);
    void setDisplayMode(DisplayMode mode);
    DisplayMode displayMode() const { return odisplaymode; }
    // The hue and value the picture was last built for (-1 before the first).
    int builtHue() const { return cHue; }
    int builtValue() const { return cVal; }
    bool dragging() const { return mousedownflag; }

    // A layout change: the panel's place, whether it shows, the picture's size.
    void applyLayout(const QRect &panel, bool visible, QSize picture);
    // The editors show new values: the picture follows when it depends on them.
    void valuesShown(int hue, int value);

    void UpdateCircle();
    void ColorWheel1Click(QAction *sender);
    void imgColorWheelMouseDown(Qt::MouseButton Button, int X, int Y);
    void imgColorWheelMouseMove(int X, int Y);
    void imgColorWheelMouseUp();
    void UpdateHueSaturationfromMouse(int X, int Y);
    void UpdateSaturationValuefromMouse(int X, int Y);
    void UpdateHSVfromMouse(int X, int Y);

signals:
    // A press starts a change of the colour.
    void colorAboutToChange();
    void picked(const PictureSliderWrites &writes);

private:
    void tickDisplayMode();
    void pictureRatioMayHaveChanged();
    void pickFromPicture(int X, int Y);

    HueValueSource hueValue;
    const ErrorGuard &guard;
    DisplayMode odisplaymode = DisplayMode::ColorWheel;
    int cVal = -1;
    int cHue = -1;
    bool mousedownflag = false;

    QWidget *pnlCircle = nullptr;
    ImageView *imgColorWheel = nullptr;
    QAction *DisplayMode1 = nullptr;
    QAction *ColorWheel1 = nullptr;
    QAction *HSVRectangle1 = nullptr;
    QAction *HueRange1 = nullptr;
};

} // namespace pigmentrix
