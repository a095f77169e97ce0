#pragma once

#include "sampling/frozen_desktop.h"

#include <QEvent>
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <QWindow>

#include <vector>

class QScreen;

namespace pigmentrix {

// True where Qt runs on X11 inside a Wayland compositor (XWayland): its
// window manager puts every full-screen X window on one monitor, and moves
// the pointer when a click moves the keyboard focus to another monitor's
// window. One window over all screens, which takes no focus from clicks,
// avoids both.
bool X11InsideWayland();

// A still picture over the screens while a frozen grab runs: it covers a
// screen (or, where X11 runs inside a Wayland compositor, all of them: see
// X11InsideWayland), shows what each showed at device pixels, and tells
// where the pointer is on the still image and what the user does.
class FrozenScreenOverlay final : public QWidget {
    Q_OBJECT

public:
    // parts: the screens it covers and where their pixels are in desktop.
    FrozenScreenOverlay(QScreen *screen, std::vector<ScreenPlacement> parts, const QImage &desktop);

    const std::vector<ScreenPlacement> &parts() const { return screens; }
    // The screen of an overlay that covers one.
    const ScreenPlacement &placement() const { return screens.front(); }
    // Whether it shows that pixel of the still image.
    bool holds(QPoint imagePixel) const;
    // Covers its screens: full screen, or as a window of its own placed
    // over them all.
    void cover();
    // Takes the keyboard, once the window is on the screen (before, X11
    // refuses the focus and the grab).
    void takeKeys();
    // The picker window as it looks now, drawn in a corner of the screen
    // under the pointer, away from it: the still screens cover the real
    // one. A null picture takes it away; one larger than the screen is
    // drawn smaller, whole.
    void showPicker(const QPixmap &picker);
    // Where the picker window is drawn now; empty when it is not.
    QRect pickerArea() const { return pickerRect; }
    // Where the pointer was last seen on this screen, in its logical pixels.
    QPoint lastPointer() const { return pointer; }
    // Where the pointer's events come: the still screen's window.
    QWindow *pointerTarget() const { return windowHandle(); }

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
    // The pointer events as its window has them: Qt's widgets round them
    // to whole logical pixels, which at a scale above 1 leaves device
    // pixels out of reach.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QRect pickerPlace(QSize size) const;
    QPoint imagePixelAt(QPointF local) const;
    void pointerEvent(QEvent::Type type, QPointF local, Qt::MouseButton button);
    // The part under a point, in this window's coordinates.
    std::size_t partAt(QPointF local) const;
    QRect partRect(std::size_t part) const;

    void focusKeys();

    std::vector<ScreenPlacement> screens;
    std::vector<QImage> pictures;
    bool keysWanted = false;
    QPixmap pickerPicture;
    QRect pickerRect;
    QPoint pointer;
};

} // namespace pigmentrix
