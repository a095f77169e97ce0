#include "displays/hsv_pictures.h"

#include "displays/wheel_hues.h"
#include "displays/wheel_rings.h"
#include "model/conversions.h"
#include "model/rounding.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace pigmentrix {

namespace {

QRgb ToRgb(PixelTriple p)
{
    return qRgb(p.red, p.green, p.blue);
}

// Neighbouring pixels of a row often have the same hue, saturation and value
// (the charts have at most 361 hues and 256 levels across many more pixels);
// the conversion is pure, so its last result serves the whole run.
class RunConversion {
public:
    PixelTriple operator()(int hue, int saturation, int value)
    {
        if (hue != hue_ || saturation != saturation_ || value != value_) {
            hue_ = hue;
            saturation_ = saturation;
            value_ = value;
            triple_ = HSVtoRGBTriple(hue, saturation, value);
        }
        return triple_;
    }

private:
    int hue_ = -1;
    int saturation_ = -1;
    int value_ = -1;
    PixelTriple triple_;
};

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
    const auto blend = [&](int component) { return RoundToInt(component * weight + backgroundPart); };
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
    const WheelRings rings(r);

    for (int y = 0; y < s; ++y) {
        QRgb *row = Row(image, y);
        const int dy = y - r;
        WheelRowHues hues(dy);
        RunConversion leftColour;
        RunConversion rightColour;
        int saturation = 0;
        // Each pixel at dx has a mirror at -dx with the same distance and
        // saturation and the opposite angle.
        for (int adx = 0; adx <= r; ++adx) {
            const long long n = static_cast<long long>(adx) * adx + static_cast<long long>(dy) * dy;
            if (!rings.InDisc(n))
                break;
            saturation = rings.Saturation(n, saturation);
            const MirroredHues hue = hues.At(adx, n);
            const bool onRim = rings.OnRim(n);
            const double weight = onRim ? std::clamp(r - std::sqrt(static_cast<double>(n)), 0.0, 1.0) : 1.0;

            const auto paint = [&](int pictureColumn, int pixelHue, RunConversion &colour) {
                if (pictureColumn < 0 || pictureColumn >= width)
                    return;
                const PixelTriple p = colour(pixelHue, saturation, value);
                row[pictureColumn] = onRim ? BlendWithWheelBackground(p, weight) : ToRgb(p);
            };
            paint(centreColumn - adx, hue.left, leftColour);
            if (adx != 0)
                paint(centreColumn + adx, hue.right, rightColour);
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
        RunConversion colour;
        for (int px = 0; px < shownColumns; ++px)
            row[px] = ToRgb(colour(hue, saturationOfColumn[px], rowValue));
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
        RunConversion colour;
        for (int px = 0; px < shownColumns; ++px)
            row[px] = ToRgb(colour(hueOfColumn[px], saturation, value));
    }
    return image;
}

QImage HsvPicture(DisplayMode displayMode, QSize pictureSize, int hue, int value)
{
    switch (displayMode) {
    case DisplayMode::ColorWheel: return ColorWheelPicture(pictureSize, value);
    case DisplayMode::SVSquare: return SVSquarePicture(pictureSize, hue);
    default: return HSVRectanglePicture(pictureSize);
    }
}

QImage HsvPicture(DisplayMode displayMode, QSize pictureSize, int hue, int value, qreal devicePixelRatio)
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

bool PictureNeedsRebuild(DisplayMode displayMode, int hue, int value, int builtHue, int builtValue)
{
    switch (displayMode) {
    case DisplayMode::ColorWheel: return value != builtValue;
    case DisplayMode::SVSquare: return hue != builtHue;
    default: return true;
    }
}

} // namespace pigmentrix
