#include "update/link_label.h"

#include <QMouseEvent>

namespace pigmentrix {

LinkLabel::LinkLabel(const QString &text, const QColor &color, QWidget *parent)
    : QLabel(text, parent)
    , color(color)
{
    setCursor(Qt::PointingHandCursor);
    showLit(false);
}

void LinkLabel::enterEvent(QEnterEvent *event)
{
    showLit(true);
    QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent *event)
{
    showLit(false);
    QLabel::leaveEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::showLit(bool lit)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, lit ? color.lighter(160) : color);
    setPalette(palette);
    QFont font = this->font();
    font.setUnderline(lit);
    setFont(font);
}

} // namespace pigmentrix
