#include "picker/palette_slot_panel.h"

#include "ui/qt_color.h"

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

} // namespace pigmentrix
