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
    TColor Color = 0x00E16941;
    // The display text drawn on the colour.
    QString Caption = QStringLiteral("Pigmentrix");
    QFont Font;
    TColor FontColor = 0;

    void setPicture(const QImage &picture);
    const QImage &picture() const { return shown; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage shown;
};

} // namespace pigmentrix
