#include "sampling/grab_button.h"

#include "ui/artwork.h"

#include <QMouseEvent>

namespace pigmentrix {

GrabButton::GrabButton(QWidget *parent)
    : QToolButton(parent)
    , images{ArtworkIcon(u"eyedrop"), ArtworkIcon(u"eyedrop3"), ArtworkIcon(u"eyedrop5")}
{
    setIcon(images[0]);
}

void GrabButton::setImageIndex(int index)
{
    if (index < 0 || index >= static_cast<int>(images.size()))
        return;
    shownImage = index;
    setIcon(images[static_cast<std::size_t>(index)]);
}

void GrabButton::mousePressEvent(QMouseEvent *event)
{
    QToolButton::mousePressEvent(event);
    emit mousePressed(event->button());
}

void GrabButton::mouseReleaseEvent(QMouseEvent *event)
{
    QToolButton::mouseReleaseEvent(event);
    emit mouseReleased(event->button());
}

void GrabButton::mouseMoveEvent(QMouseEvent *event)
{
    QToolButton::mouseMoveEvent(event);
    emit mouseMoved();
}

} // namespace pigmentrix
