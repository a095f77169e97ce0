#pragma once

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QWidget>

#include <optional>

namespace pigmentrix {

// Shows a picture at its top-left corner and passes the mouse on as signals,
// so the window can pick from the picture it drew. Positions are the logical
// pixel under the pointer (fractions dropped towards negative infinity).
class ImageView : public QWidget {
    Q_OBJECT

public:
    explicit ImageView(QWidget *parent = nullptr);

    const QImage &image() const { return m_image; }
    void setImage(const QImage &image);
    // The exact pointer position of the last mouse event, fractions kept
    // (on a scaled screen they name the device pixel).
    QPointF lastPointerPosition() const { return m_lastPosition; }
    // The image's pixel under a logical position, for an image built at
    // device pixels; nullopt outside the image.
    std::optional<QPoint> imagePixelAt(QPointF position) const;

    QSize sizeHint() const override;

    // A point drawn as a small ring over the picture (the keyboard's picking
    // point), or none.
    void setMarker(std::optional<QPoint> point);
    std::optional<QPoint> marker() const { return m_marker; }

signals:
    void mousePressed(Qt::MouseButton button, QPoint pos);
    // buttons: those held during the movement.
    void mouseMoved(Qt::MouseButtons buttons, QPoint pos);
    void mouseReleased(Qt::MouseButton button, QPoint pos);
    void doubleClicked(Qt::MouseButton button, QPoint pos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QImage m_image;
    QPointF m_lastPosition;
    std::optional<QPoint> m_marker;
};

} // namespace pigmentrix
