#pragma once

#include "displays/hsv_pictures.h"
#include "displays/picture_mapping.h"

#include <QObject>
#include <QRect>
#include <QSize>

#include <functional>
#include <optional>

class QAction;
class QMenu;
class QWidget;

namespace pigmentrix {

class ErrorGuard;
class ImageView;

// The HSV picture at the top right: built for the display mode, the "Display
// Mode" menu, and picking a colour on it with the mouse.
class HsvPictureArea : public QObject {
    Q_OBJECT

public:
    using SliderSource = std::function<HsvPosition()>;

    // sliders gives the hue, saturation and value sliders' present positions:
    // the picture is built for the hue and the value, and a pick keeps what
    // its chart does not set.
    HsvPictureArea(QWidget *window, SliderSource sliders, const ErrorGuard &guard);

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

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    // A press starts a change of the colour, and its release ends it: the
    // picks between them are one undo step.
    void pickStarted();
    void picked(const PicturePick &pick);
    void pickFinished();

private:
    void UpdateCircle();
    void ColorWheel1Click(QAction *sender);
    void imgColorWheelMouseDown(Qt::MouseButton Button, int X, int Y);
    void imgColorWheelMouseMove(int X, int Y);
    void imgColorWheelMouseUp();
    void UpdateHueSaturationfromMouse(int X, int Y);
    void UpdateSaturationValuefromMouse(int X, int Y);
    void UpdateHSVfromMouse(int X, int Y);

    void tickDisplayMode();
    // The display mode and the keys, for a screen reader.
    void describePicture();
    QPoint keyPoint() const;
    void pickAtKeyPoint();
    void pictureRatioMayHaveChanged();
    void pickFromPicture(int X, int Y);
    // The picture's pixel under the pointer at (X, Y), at the device pixels
    // the picture is built at.
    QPoint pictureDevicePixel(int X, int Y) const;
    void emitPick(DisplayMode chart, int X, int Y);

    SliderSource sliders;
    const ErrorGuard &guard;
    DisplayMode odisplaymode = DisplayMode::ColorWheel;
    int cVal = -1;
    int cHue = -1;
    bool mousedownflag = false;
    // Where the keyboard picks, once the arrows moved it.
    std::optional<QPoint> pickingPoint;

    QWidget *pnlCircle = nullptr;
    ImageView *imgColorWheel = nullptr;
    QAction *DisplayMode1 = nullptr;
    QAction *ColorWheel1 = nullptr;
    QAction *HSVRectangle1 = nullptr;
    QAction *HueRange1 = nullptr;
};

} // namespace pigmentrix
