#pragma once

#include "sampling/frozen_desktop.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <vector>

namespace pigmentrix {

// A monitor as the compositor lays it out: its name, its place in the
// compositor's layout and the size of its own picture in device pixels.
struct OutputLayout {
    QString name;
    QRect layout;
    QSize pixels;
};

// One monitor's still picture at its own device pixels. Not exact where
// the pixels were resampled from a picture drawn at another scale.
struct OutputPicture {
    OutputLayout output;
    QImage pixels;
    bool exact = true;
};

// How a compositor draws a monitor of a lower scale into its one picture
// of the whole layout.
enum class PictureUpscaling {
    Unknown, // possibly smoothed: the monitor's own pixels are lost
    Repeated // each pixel repeated as a block: they can be read back
};

// The monitors' pictures in a compositor's one picture of the whole
// layout, which it draws at a single scale: the layout's bounding box
// stretched evenly onto the picture. A monitor drawn at its own size is
// cut out as it is; one drawn larger is brought back to its own pixels,
// exactly where each of them was repeated as a block.
std::vector<OutputPicture> CutLayoutPicture(const QImage &picture, const std::vector<OutputLayout> &outputs,
                                            PictureUpscaling upscaling);

// Where each monitor's pixels lie in the one device-pixel space a still
// desktop is read in (coordinates, averaging, arrow keys): as on X11, each
// keeps its layout origin and its own pixel size, and a monitor that
// touches another on its left or above starts where that one's pixels end.
std::vector<QRect> PlaceOutputsInDeviceSpace(const std::vector<OutputLayout> &outputs);

// The monitors' pictures side by side in device space, with the place of
// each (in the order given); pixels between them are transparent black.
struct StillDesktop {
    QImage image;
    std::vector<QRect> outputs;
};
StillDesktop ComposeStillDesktop(const std::vector<OutputPicture> &pictures);

// The still screens' places for Qt's screens: each screen shows the
// monitor of its name, or failing that the one at its place in the layout.
// A screen that matches no monitor gets none (an empty image rectangle).
std::vector<ScreenPlacement> PlaceScreensOnOutputs(const std::vector<ScreenGeometry> &screens,
                                                   const std::vector<OutputPicture> &pictures,
                                                   const std::vector<QRect> &deviceRects);

} // namespace pigmentrix
