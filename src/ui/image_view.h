#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

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

    QSize sizeHint() const override;

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
};

} // namespace pigmentrix
