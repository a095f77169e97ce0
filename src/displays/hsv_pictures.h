#pragma once

#include "model/view_choices.h"

#include <QImage>
#include <QSize>
#include <QtGlobal>

namespace pigmentrix {

// Left around the wheel's disc.
inline constexpr QRgb ColorWheelBackground = 0xFFC8C8C8;
// The square and the rectangle cover their charts completely; this shows only
// where the picture is wider than the chart (the rectangle in a square picture).
inline constexpr QRgb ChartBackground = 0xFF808080;

// Each chart is computed one column wider than it is shown and placed one
// column to the left, so its first column never appears. These builders return
// exactly what the picture control shows: pictureSize pixels, Format_RGB32,
// with the chart's size s taken from the picture's height. Columns the chart
// does not reach show its background. An empty size gives an empty image.

// All hues and saturations at value (0..255): hue 360 straight above the
// centre, growing clockwise; saturation 0 at the centre, 255 at the rim.
QImage ColorWheelPicture(QSize pictureSize, int value);

// All saturations (growing to the right) and values (growing upwards) at hue
// (0..360).
QImage SVSquarePicture(QSize pictureSize, int hue);

// All hues across, white at the top through the full colours in the middle
// towards black at the bottom.
QImage HSVRectanglePicture(QSize pictureSize);

// The chart of displayMode; hue and value are the sliders' positions.
QImage HsvPicture(DisplayMode displayMode, QSize pictureSize, int hue, int value);

// The same chart built at the screen's device pixels for a picture of
// pictureSize logical pixels, carrying devicePixelRatio so that painting it at
// the picture's origin fills the picture sharply. A pick reads the device
// pixel under the pointer (picture_mapping.h), so it takes the colour drawn
// there. A ratio of 1 (or a ratio that is not a positive number) gives the
// image of the four-argument overload.
QImage HsvPicture(DisplayMode displayMode, QSize pictureSize, int hue, int value, qreal devicePixelRatio);

// Whether the picture built for (builtHue, builtValue) must be rebuilt now that
// the sliders stand at hue and value: the wheel follows only the value, the
// square only the hue; the rectangle is rebuilt every time.
bool PictureNeedsRebuild(DisplayMode displayMode, int hue, int value, int builtHue, int builtValue);

} // namespace pigmentrix
