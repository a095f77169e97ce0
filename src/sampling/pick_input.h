#pragma once

#include <QWidget>

namespace pigmentrix {

// The pointer and the keyboard of the whole desktop for a pick that no
// press on the grab button started: a one-pixel window off the screen holds
// both grabs, so a click anywhere comes here and not to the program under
// the pointer. A left click or Enter takes, Escape or a right click gives
// up; other keys (the arrows) go on to the program's own handling.
class PickInput final : public QWidget {
    Q_OBJECT

public:
    PickInput();
    ~PickInput() override;

    // Shows the window and takes the grabs as soon as the server grants them.
    void start();
    // Lets the pointer and keys go and hides the window: what the pick's end
    // shows (a message) gets them at once.
    void stop();

signals:
    void taken();
    void givenUp();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void tryToGrab();

    bool grabbed = false;
    int grabAttempts = 0;
    Qt::MouseButton pressed = Qt::NoButton;
};

} // namespace pigmentrix
