#include "sampling/magnifier_frame.h"

#include <QPainter>

namespace pigmentrix {

MagnifierFrame::MagnifierFrame(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
}

void MagnifierFrame::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(contentsRect(), Qt::AlignCenter, caption);
}

void MagnifierFrame::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        child->setGeometry(contentsRect());
}

} // namespace pigmentrix
