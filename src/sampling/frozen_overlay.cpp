#include "sampling/frozen_overlay.h"

#include "sampling/arrow_nudge.h"
#include "sampling/eyedropper_cursor.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace pigmentrix {

FrozenScreenOverlay::FrozenScreenOverlay(QScreen *screen, const ScreenPlacement &placement, const QImage &desktop)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , place(placement)
    , picture(desktop.copy(placement.image))
{
    setObjectName(QStringLiteral("frozenScreen"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setCursor(EyedropperCursor());
    setFocusPolicy(Qt::StrongFocus);
    setScreen(screen);
    setGeometry(placement.logical);
}

void FrozenScreenOverlay::paintEvent(QPaintEvent *)
{
    // The screen's part of the image, one image pixel to one device pixel
    // where the scales agree.
    QPainter painter(this);
    painter.drawImage(rect(), picture);
    if (!pickerPicture.isNull()) {
        painter.drawPixmap(pickerRect.topLeft(), pickerPicture);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(pickerRect.adjusted(0, 0, -1, -1));
    }
}

void FrozenScreenOverlay::showPicker(const QPixmap &picker)
{
    const QRect before = pickerRect;
    pickerPicture = picker;
    pickerRect = picker.isNull() ? QRect() : pickerPlace(picker.deviceIndependentSize().toSize());
    update(before | pickerRect);
}

QRect FrozenScreenOverlay::pickerPlace(QSize size) const
{
    constexpr int Margin = 16;
    const QRect topLeft(QPoint(Margin, Margin), size);
    if (!topLeft.adjusted(-Margin, -Margin, Margin, Margin).contains(pointer))
        return topLeft;
    return QRect(QPoint(width() - Margin - size.width(), height() - Margin - size.height()), size);
}

void FrozenScreenOverlay::mouseMoveEvent(QMouseEvent *event)
{
    pointer = event->position().toPoint();
    emit pointed(ImagePixelAt(place, event->position()));
}

void FrozenScreenOverlay::mousePressEvent(QMouseEvent *event)
{
    pointer = event->position().toPoint();
    if (event->button() == Qt::LeftButton)
        emit clicked(ImagePixelAt(place, event->position()));
    else if (event->button() == Qt::RightButton)
        emit cancelled();
}

void FrozenScreenOverlay::keyPressEvent(QKeyEvent *event)
{
    if (const std::optional<QPoint> step = ArrowNudge(*event)) {
        emit nudged(step->x(), step->y());
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: emit confirmed(); break;
    case Qt::Key_Escape: emit cancelled(); break;
    default: QWidget::keyPressEvent(event);
    }
}

} // namespace pigmentrix
