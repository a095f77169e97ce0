#include "picker/palette_slot_panel.h"

#include "ui/qt_color.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace pigmentrix {

PaletteSlotPanel::PaletteSlotPanel(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setColor(stored);
}

void PaletteSlotPanel::setColor(TColor c)
{
    if (c != stored)
        name.clear();
    stored = c;
    QPalette colors = palette();
    colors.setColor(QPalette::Window, ToQColor(c));
    setPalette(colors);
}

void PaletteSlotPanel::setNamedColor(TColor c, const QString &colorName)
{
    setColor(c);
    name = colorName;
}

bool PaletteSlotPanel::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && !ShowHint)
        return true;
    return QWidget::event(event);
}

void PaletteSlotPanel::mousePressEvent(QMouseEvent *event)
{
    emit pressed(event->button());
}

// The second press of a double click counts as a press too, after the
// double click itself; the first press has already made the slot current.
void PaletteSlotPanel::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    emit pressed(event->button());
}

void PaletteSlotPanel::mouseMoveEvent(QMouseEvent *)
{
    emit moved();
}

void PaletteSlotPanel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: emit activated(); break;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: emit arrowPressed(static_cast<Qt::Key>(event->key())); break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void PaletteSlotPanel::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    emit focused();
}

} // namespace pigmentrix
