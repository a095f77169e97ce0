#pragma once

#include "sampling/frozen_desktop.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

class QScreen;

namespace pigmentrix {

// One screen's still picture while a frozen grab runs: it covers the screen,
// shows what the screen showed at device pixels, and tells where the pointer
// is on the still image and what the user does.
class FrozenScreenOverlay final : public QWidget {
    Q_OBJECT

public:
    FrozenScreenOverlay(QScreen *screen, const ScreenPlacement &placement, const QImage &desktop);

    const ScreenPlacement &placement() const { return place; }
    // The picker window as it looks now, drawn in a corner of this screen
    // away from the pointer: the still screens cover the real one. A null
    // picture takes it away.
    void showPicker(const QPixmap &picker);
    // Where the pointer was last seen on this screen, in its logical pixels.
    QPoint lastPointer() const { return pointer; }

signals:
    void pointed(QPoint imagePixel);
    // A left click: the colour at the pixel is taken.
    void clicked(QPoint imagePixel);
    // Enter or Return: the colour at the picking point is taken.
    void confirmed();
    // Escape or a right click.
    void cancelled();
    // An arrow key moves the picking point (Shift: ten pixels).
    void nudged(int dx, int dy);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QRect pickerPlace(QSize size) const;

    ScreenPlacement place;
    QImage picture;
    QPixmap pickerPicture;
    QRect pickerRect;
    QPoint pointer;
};

} // namespace pigmentrix
