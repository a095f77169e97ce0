#include "displays/image_view.h"

#include <QMouseEvent>
#include <QPainter>

namespace pigmentrix {

ImageView::ImageView(QWidget *parent)
    : QWidget(parent)
{
}

void ImageView::setImage(const QImage &image)
{
    m_image = image;
    updateGeometry();
    update();
}

QSize ImageView::sizeHint() const
{
    return m_image.isNull() ? QWidget::sizeHint() : m_image.size();
}

void ImageView::paintEvent(QPaintEvent *)
{
    if (!m_image.isNull())
        QPainter(this).drawImage(0, 0, m_image);
}

void ImageView::mousePressEvent(QMouseEvent *event)
{
    emit mousePressed(event->button(), event->position().toPoint());
}

void ImageView::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved(event->buttons(), event->position().toPoint());
}

void ImageView::mouseReleaseEvent(QMouseEvent *event)
{
    emit mouseReleased(event->button(), event->position().toPoint());
}

// Widgets get the second press of a double click only as the double click,
// yet a release follows it: report it as a press too so presses and releases
// pair up.
void ImageView::mouseDoubleClickEvent(QMouseEvent *event)
{
    emit doubleClicked(event->button(), event->position().toPoint());
    emit mousePressed(event->button(), event->position().toPoint());
}

} // namespace pigmentrix
