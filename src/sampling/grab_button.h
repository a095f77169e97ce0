#pragma once

#include <QIcon>
#include <QToolButton>

#include <array>

namespace pigmentrix {

// The eyedropper button: reports every press and release with its button
// (a grab starts on a press and ends on a release, wherever the pointer is
// by then) and shows one of three pictures, one per averaging mode.
class GrabButton : public QToolButton {
    Q_OBJECT

public:
    explicit GrabButton(QWidget *parent = nullptr);

    // 0 "eyedrop", 1 "eyedrop3", 2 "eyedrop5"; others are ignored.
    void setImageIndex(int index);
    int imageIndex() const { return shownImage; }

signals:
    void mousePressed(Qt::MouseButton button);
    void mouseReleased(Qt::MouseButton button);
    // The pointer moved while the button holds it (during a grab: anywhere).
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    std::array<QIcon, 3> images;
    int shownImage = 0;
};

} // namespace pigmentrix
