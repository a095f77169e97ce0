#include "displays/hsv_pictures.h"

#include "model/conversions.h"
#include "displays/wheel_hues.h"
#include "model/rounding.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace pigmentrix {

namespace {

QRgb ToRgb(PixelTriple p)
{
    return qRgb(p.red, p.green, p.blue);
}

int RoundToInt(double x)
{
    return static_cast<int>(Round(x));
}

QImage FilledImage(QSize size, QRgb background)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    return image;
}

QRgb *Row(QImage &image, int y)
{
    return reinterpret_cast<QRgb *>(image.scanLine(y));
}

// One rim pixel: the wheel colour weighted by how far the pixel lies inside
// the disc's edge (weight 0..1), the rest background.
QRgb BlendWithWheelBackground(PixelTriple p, double weight)
{
    const double backgroundPart = qRed(ColorWheelBackground) * (1 - weight);
    const auto blend = [&](int component) {
        return RoundToInt(component * weight + backgroundPart);
    };
    return qRgb(blend(p.red), blend(p.green), blend(p.blue));
}

// Chart column x is shown at picture column x - 1.
constexpr int ChartColumn(int pictureColumn)
{
    return pictureColumn + 1;
}

} // namespace

QImage ColorWheelPicture(QSize pictureSize, int value)
{
    QImage image = FilledImage(pictureSize, ColorWheelBackground);
    if (image.isNull())
        return image;
    const int s = pictureSize.height();
    const int width = pictureSize.width();
    const int r = s / 2;
    // A disc of radius 0 is all rim at distance r: background only.
    if (r == 0)
        return image;
    // dx = (s - r) - chart column, positive to the left of the centre.
    const int centreColumn = s - r - 1;
    const double rimStart = r - 1.5;

    for (int y = 0; y < s; ++y) {
        QRgb *row = Row(image, y);
        const int dy = y - r;
        WheelRowHues hues(dy);
        // Each pixel at dx has a mirror at -dx with the same distance and
        // saturation and the opposite angle.
        for (int adx = 0; adx <= r; ++adx) {
            const double d = std::sqrt(static_cast<double>(adx * adx + dy * dy));
            if (d > r)
                break;
            const int saturation = RoundToInt(d * 255 / r);
            const MirroredHues hue = hues.At(adx, d);
            const bool onRim = !(d <= rimStart);
            const double weight = std::clamp(r - d, 0.0, 1.0);

            const auto paint = [&](int pictureColumn, int pixelHue) {
                if (pictureColumn < 0 || pictureColumn >= width)
                    return;
                const PixelTriple p = HSVtoRGBTriple(pixelHue, saturation, value);
                row[pictureColumn] = onRim ? BlendWithWheelBackground(p, weight) : ToRgb(p);
            };
            paint(centreColumn - adx, hue.left);
            if (adx != 0)
                paint(centreColumn + adx, hue.right);
        }
    }
    return image;
}

QImage SVSquarePicture(QSize pictureSize, int hue)
{
    QImage image = FilledImage(pictureSize, ChartBackground);
    if (image.isNull())
        return image;
    const int s = pictureSize.height();
    // The chart is s + 1 columns wide; the picture shows columns 1 .. s.
    const int shownColumns = std::min(pictureSize.width(), s);

    std::vector<int> saturationOfColumn(shownColumns);
    for (int px = 0; px < shownColumns; ++px)
        saturationOfColumn[px] = RoundToInt(ChartColumn(px) * 255.0 / (s + 1));

    for (int y = 0; y < s; ++y) {
        const int rowFromBottom = s - 1 - y;
        const int rowValue = RoundToInt(rowFromBottom * 255.0 / s);
        QRgb *row = Row(image, y);
        for (int px = 0; px < shownColumns; ++px)
            row[px] = ToRgb(HSVtoRGBTriple(hue, saturationOfColumn[px], rowValue));
    }
    return image;
}

QImage HSVRectanglePicture(QSize pictureSize)
{
    QImage image = FilledImage(pictureSize, ChartBackground);
    if (image.isNull())
        return image;
    const int s = pictureSize.height();
    // The chart is s columns wide and s + 1 rows high; the picture shows
    // columns 1 .. s - 1 and rows 0 .. s - 1.
    const int shownColumns = std::clamp(s - 1, 0, pictureSize.width());

    std::vector<int> hueOfColumn(shownColumns);
    for (int px = 0; px < shownColumns; ++px)
        hueOfColumn[px] = RoundToInt(ChartColumn(px) * 360.0 / (s - 1));

    for (int y = 0; y < s; ++y) {
        const double t = static_cast<double>(y) / s;
        int saturation = 255;
        int value = 255;
        if (t <= 0.5)
            saturation = RoundToInt(t * 510);
        else
            value = RoundToInt((1 - t) * 510);
        QRgb *row = Row(image, y);
        for (int px = 0; px < shownColumns; ++px)
            row[px] = ToRgb(HSVtoRGBTriple(hueOfColumn[px], saturation, value));
    }
    return image;
}

QImage HsvPicture(int displayMode, QSize pictureSize, int hue, int value)
{
    switch (displayMode) {
    case DisplayModeColorWheel:
        return ColorWheelPicture(pictureSize, value);
    case DisplayModeSVSquare:
        return SVSquarePicture(pictureSize, hue);
    default:
        return HSVRectanglePicture(pictureSize);
    }
}

QImage HsvPicture(int displayMode, QSize pictureSize, int hue, int value,
                  qreal devicePixelRatio)
{
    if (!(devicePixelRatio > 0) || !std::isfinite(devicePixelRatio) || devicePixelRatio == 1)
        return HsvPicture(displayMode, pictureSize, hue, value);
    // Rounded up so that the image covers the whole picture; the surplus
    // fraction of a logical pixel is clipped by the picture's edge.
    const QSize deviceSize(static_cast<int>(std::ceil(pictureSize.width() * devicePixelRatio)),
                           static_cast<int>(std::ceil(pictureSize.height() * devicePixelRatio)));
    QImage image = HsvPicture(displayMode, deviceSize, hue, value);
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

bool PictureNeedsRebuild(int displayMode, int hue, int value, int builtHue, int builtValue)
{
    switch (displayMode) {
    case DisplayModeColorWheel:
        return value != builtValue;
    case DisplayModeSVSquare:
        return hue != builtHue;
    default:
        return true;
    }
}

} // namespace pigmentrix
