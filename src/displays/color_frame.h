#pragma once

#include "model/color.h"

#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

namespace pigmentrix {

// What the colour frame is drawn from.
struct ColorFrameParams {
    QSize size{96, 106};
    TColor color = clWhite; // pnlColor.Color; system colours are resolved
    int alpha = 255; // scrollbarAlpha.Value
    int alphaOld = -1; // the alpha of the previous drawing
    bool alphaMode = false; // alpha editing on: the text moves up
    bool useText = true; // "Use Text in Color Frame"
    QString caption; // pnlColor.Caption
    QFont font; // pnlColor.Font
    TColor textColor = clBlack;
};

struct ColorFrame {
    QImage image; // RGB32, params.size
    int alphaOld = 0; // becomes the window's alphaold
};

// The grey of the checkerboard's dark squares: 192 at alpha 0, 0 at 255.
int CheckerGrey(int alpha);

// The colour filling the frame, shown as if partly transparent over a
// checkerboard when alpha is below 255, with the caption drawn plainly and,
// through the transparency, faintly lower down.
ColorFrame BuildColorFrame(const ColorFrameParams &params);

} // namespace pigmentrix
