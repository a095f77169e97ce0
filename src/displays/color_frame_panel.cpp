#include "displays/color_frame_panel.h"

#include <QPainter>

namespace pigmentrix {

ColorFramePanel::ColorFramePanel(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ColorFramePanel::setPicture(const QImage &picture)
{
    shown = picture;
    update();
}

void ColorFramePanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), shown);
}

} // namespace pigmentrix
