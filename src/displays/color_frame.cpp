#include "displays/color_frame.h"

#include "ui/qt_color.h"

#include "model/conversions.h"
#include "model/rounding.h"

#include <QColor>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace pigmentrix {

namespace {

constexpr int CheckerSquare = 10;

int RoundedInt(double x)
{
    return static_cast<int>(Round(x));
}

// Text top edges are measured from the width, as the frame has always done.
void DrawCaption(QImage &image, const ColorFrameParams &p, int top)
{
    if (p.caption.isEmpty())
        return;
    QPainter painter(&image);
    painter.setFont(p.font);
    painter.setPen(ToQColor(p.textColor));
    const QFontMetrics metrics(p.font);
    const int left = RoundedInt((p.size.width() - metrics.horizontalAdvance(p.caption)) / 2.0);
    painter.drawText(left, top + metrics.ascent(), p.caption);
}

QImage Checkerboard(const QSize &size, int grey)
{
    QImage board(size, QImage::Format_RGB32);
    const QRgb light = qRgb(255, 255, 255);
    const QRgb dark = qRgb(grey, grey, grey);
    for (int y = 0; y < board.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(board.scanLine(y));
        for (int x = 0; x < board.width(); ++x)
            line[x] = (x / CheckerSquare + y / CheckerSquare) % 2 == 1 ? light : dark;
    }
    return board;
}

// Constant-opacity source-over: each component becomes
// O*(255-alpha)/255 + P*alpha/255, rounded to the nearest integer (the sum
// over 255 is never exactly half-way), so alpha 255 keeps P and 0 gives O
// exactly.
int BlendComponent(int over, int under, int alpha)
{
    return (over * (255 - alpha) + under * alpha + 127) / 255;
}

void BlendOnto(QImage &under, const QImage &over, int alpha)
{
    for (int y = 0; y < under.height(); ++y) {
        auto *dst = reinterpret_cast<QRgb *>(under.scanLine(y));
        const auto *src = reinterpret_cast<const QRgb *>(over.constScanLine(y));
        for (int x = 0; x < under.width(); ++x) {
            dst[x] = qRgb(BlendComponent(qRed(src[x]), qRed(dst[x]), alpha),
                          BlendComponent(qGreen(src[x]), qGreen(dst[x]), alpha),
                          BlendComponent(qBlue(src[x]), qBlue(dst[x]), alpha));
        }
    }
}

} // namespace

int CheckerGrey(int alpha)
{
    return 192 - RoundedInt(alpha * 192 / 255.0);
}

ColorFrame BuildColorFrame(const ColorFrameParams &p)
{
    ColorFrame frame{QImage(), p.alpha};
    if (p.size.isEmpty())
        return frame;
    const int w = p.size.width();
    const int alpha = std::clamp(p.alpha, 0, 255);
    frame.image = QImage(p.size, QImage::Format_RGB32);
    frame.image.fill(ToQColor(p.color));

    if (alpha != 255 || p.alphaOld != 255) {
        QImage board = Checkerboard(p.size, CheckerGrey(alpha));
        if (p.useText)
            DrawCaption(board, p, RoundedInt(w * 0.66) - 5);
        BlendOnto(frame.image, board, alpha);
    }
    if (p.useText)
        DrawCaption(frame.image, p, RoundedInt(w * (p.alphaMode ? 0.33 : 0.5)) - 5);
    return frame;
}

} // namespace pigmentrix
