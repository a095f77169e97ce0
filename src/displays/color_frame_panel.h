#pragma once

#include "model/color.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <QWidget>

namespace pigmentrix {

// The colour frame: holds the current colour, the display text and its font,
// and shows the picture the window draws for them.
class ColorFramePanel : public QWidget {
    Q_OBJECT

public:
    explicit ColorFramePanel(QWidget *parent = nullptr);

    // The current colour of the whole window.
    TColor Color() const { return color; }
    void setColor(TColor c) { color = c; }
    // The display text drawn on the colour.
    const QString &Caption() const { return caption; }
    void setCaption(const QString &text) { caption = text; }
    // The display text's font (the frame's Font; QWidget's own font is the
    // window's) and colour.
    const QFont &TextFont() const { return textFont; }
    void setTextFont(const QFont &font) { textFont = font; }
    TColor FontColor() const { return fontColor; }
    void setFontColor(TColor c) { fontColor = c; }

    void setPicture(const QImage &picture);
    const QImage &picture() const { return shown; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TColor color = 0x00E16941;
    QString caption = QStringLiteral("Pigmentrix");
    QFont textFont;
    TColor fontColor = 0;
    QImage shown;
};

} // namespace pigmentrix
