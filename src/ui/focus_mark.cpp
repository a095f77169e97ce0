#include "ui/focus_mark.h"

#include "model/system_colors.h"
#include "ui/qt_color.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

namespace pigmentrix {
namespace {

constexpr int clHighlight = 13;
constexpr int clHighlightText = 14;
// The ring lies one pixel outside the control and two inside it: wide
// enough to see at a glance, narrow enough to leave the neighbours alone.
constexpr int Outside = 1;
constexpr int OuterWidth = 2;
constexpr int InnerWidth = 1;

} // namespace

FocusMark::FocusMark(QWidget *window)
    : QWidget(window)
{
    setObjectName(QStringLiteral("focusMark"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { follow(now); });
}

QColor FocusMark::outerColor()
{
    return ToQColor(ClassicSystemColor(clHighlight));
}

QColor FocusMark::innerColor()
{
    return ToQColor(ClassicSystemColor(clHighlightText));
}

// The control and the panels it lies in: a layout change moves panels.
QList<QWidget *> FocusMark::watchedChain() const
{
    QList<QWidget *> chain;
    for (QWidget *widget = marked; widget && widget != parentWidget(); widget = widget->parentWidget())
        chain.append(widget);
    return chain;
}

void FocusMark::follow(QWidget *focused)
{
    for (QWidget *widget : watchedChain())
        widget->removeEventFilter(this);
    QWidget *window = parentWidget();
    marked = focused && focused != window && window->isAncestorOf(focused) ? focused : nullptr;
    for (QWidget *widget : watchedChain())
        widget->installEventFilter(this);
    place();
}

void FocusMark::place()
{
    if (!marked || !marked->isVisibleTo(parentWidget())) {
        hide();
        return;
    }
    const QRect control(marked->mapTo(parentWidget(), QPoint(0, 0)), marked->size());
    setGeometry(control.adjusted(-Outside, -Outside, Outside, Outside));
    raise();
    show();
    update();
}

bool FocusMark::eventFilter(QObject *watched, QEvent *event)
{
    // The control moves with a layout change, or goes with its panel.
    if (watched->isWidgetType() && watchedChain().contains(static_cast<QWidget *>(watched))) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide: place(); break;
        default: break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusMark::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect all = rect();
    painter.setPen(Qt::NoPen);
    painter.setBrush(outerColor());
    const QRegion outer = QRegion(all).subtracted(all.adjusted(OuterWidth, OuterWidth, -OuterWidth, -OuterWidth));
    for (const QRect &part : outer)
        painter.drawRect(part);
    painter.setBrush(innerColor());
    const QRect insideOuter = all.adjusted(OuterWidth, OuterWidth, -OuterWidth, -OuterWidth);
    const QRegion inner =
        QRegion(insideOuter).subtracted(insideOuter.adjusted(InnerWidth, InnerWidth, -InnerWidth, -InnerWidth));
    for (const QRect &part : inner)
        painter.drawRect(part);
}

} // namespace pigmentrix
