#include "ui/image_view.h"

#include "ui/focus_mark.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace pigmentrix {
namespace {

// The pixel under the pointer: on a scaled screen positions carry fractions,
// and rounding would name the next pixel (or pixel 0 for a point just left of
// the picture).
QPoint PixelUnder(const QMouseEvent *event)
{
    const QPointF pos = event->position();
    return QPoint(static_cast<int>(std::floor(pos.x())), static_cast<int>(std::floor(pos.y())));
}

} // namespace

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

std::optional<QPoint> ImageView::imagePixelAt(QPointF position) const
{
    const qreal ratio = m_image.devicePixelRatio();
    const QPoint pixel(static_cast<int>(std::floor(position.x() * ratio)),
                       static_cast<int>(std::floor(position.y() * ratio)));
    if (!m_image.rect().contains(pixel))
        return std::nullopt;
    return pixel;
}

void ImageView::setMarker(std::optional<QPoint> point)
{
    m_marker = point;
    update();
}

void ImageView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_image.isNull())
        painter.drawImage(0, 0, m_image);
    if (!m_marker)
        return;
    // Dark and light rings, so the point shows on any colour of the picture;
    // crisp, in the highlight colours themselves.
    painter.setBrush(Qt::NoBrush);
    const QPointF centre = QPointF(*m_marker) + QPointF(0.5, 0.5);
    painter.setPen(QPen(FocusMark::outerColor(), 2));
    painter.drawEllipse(centre, 5.0, 5.0);
    painter.setPen(QPen(FocusMark::innerColor(), 1));
    painter.drawEllipse(centre, 3.0, 3.0);
}

void ImageView::mousePressEvent(QMouseEvent *event)
{
    m_lastPosition = event->position();
    emit mousePressed(event->button(), PixelUnder(event));
}

void ImageView::mouseMoveEvent(QMouseEvent *event)
{
    m_lastPosition = event->position();
    emit mouseMoved(event->buttons(), PixelUnder(event));
}

void ImageView::mouseReleaseEvent(QMouseEvent *event)
{
    m_lastPosition = event->position();
    emit mouseReleased(event->button(), PixelUnder(event));
}

// Widgets get the second press of a double click only as the double click,
// yet a release follows it: report it as a press too so presses and releases
// pair up.
void ImageView::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_lastPosition = event->position();
    emit doubleClicked(event->button(), PixelUnder(event));
    emit mousePressed(event->button(), PixelUnder(event));
}

} // namespace pigmentrix
