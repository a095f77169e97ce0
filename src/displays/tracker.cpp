#include "displays/tracker.h"

#include "displays/tracker_accessible.h"
#include "displays/tracker_geometry.h"
#include "ui/focus_mark.h"

#include <QAccessible>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace pigmentrix {

TJvTracker::TJvTracker(QWidget *parent)
    : QWidget(parent)
{
    m_look.metrics = TrackerMetrics{};
    m_look.backColor = DefaultBackColor;
    setFocusPolicy(Qt::StrongFocus);
    InstallTrackerAccessibility();
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(m_look.metrics.width, m_look.metrics.height);
    placeThumbAtValue();
}

void TJvTracker::setMinimum(int v)
{
    if (v == m_minimum || v >= m_maximum)
        return;
    m_minimum = v;
    m_value = std::max(m_value, v);
    placeThumbAtValue();
    update();
}

void TJvTracker::setMaximum(int v)
{
    if (v == m_maximum || v <= m_minimum)
        return;
    m_maximum = v;
    m_value = std::min(m_value, v);
    placeThumbAtValue();
    update();
}

void TJvTracker::setValue(int v)
{
    if (v == m_value || v < m_minimum || v > m_maximum)
        return;
    m_value = m_step * (v / m_step);
    placeThumbAtValue();
    update();
    valueShown();
}

void TJvTracker::chooseValue(int v)
{
    setValue(v);
    emit changedValue(m_value);
}

void TJvTracker::valueShown()
{
    // A screen reader says the new value, whoever set it.
    QAccessibleValueChangeEvent changed(this, m_value);
    QAccessible::updateAccessibility(&changed);
}

void TJvTracker::setStep(int v)
{
    if (v >= 1)
        m_step = v;
}

void TJvTracker::setBackColor(TColor c)
{
    m_look.backColor = c;
    update();
}

void TJvTracker::setTrackBorder(bool on)
{
    m_look.trackBorder = on;
    update();
}

void TJvTracker::setThumbColor(TColor c)
{
    m_look.thumbColor = c;
    update();
}

void TJvTracker::setThumbWidth(int v)
{
    m_look.metrics.thumbWidth = v;
    placeThumbAtValue();
    update();
}

void TJvTracker::setThumbHeight(int v)
{
    m_look.metrics.thumbHeight = v;
    update();
}

void TJvTracker::setTrackHeight(int v)
{
    m_look.metrics.trackHeight = v;
    update();
}

void TJvTracker::setChannel(TRGBChannel c)
{
    if (c == m_look.channel)
        return;
    m_look.channel = c;
    update();
}

void TJvTracker::setBaseRGB(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    m_look.base.R = r;
    m_look.base.G = g;
    m_look.base.B = b;
    update();
}

void TJvTracker::setBaseHSV(std::uint16_t h, std::uint8_t s, std::uint8_t v)
{
    m_look.base.H = h;
    m_look.base.S = s;
    m_look.base.V = v;
    update();
}

TrackerMetrics TJvTracker::metrics() const
{
    TrackerMetrics m = m_look.metrics;
    m.width = width();
    m.height = height();
    return m;
}

TrackerLook TJvTracker::look() const
{
    TrackerLook l = m_look;
    l.metrics = metrics();
    l.thumbPosition = m_thumbPosition;
    return l;
}

void TJvTracker::placeThumbAtValue()
{
    m_thumbPosition = ThumbPositionForValue(ComputeTrackerGeometry(metrics()), m_value, m_minimum, m_maximum);
}

// The value follows the thumb, but the thumb stays where it was put rather
// than snapping back onto the value.
void TJvTracker::moveThumbTo(int x)
{
    m_thumbPosition = x;
    const int before = m_value;
    m_value = ValueForThumbPosition(ComputeTrackerGeometry(metrics()), x, m_minimum, m_maximum, m_step);
    update();
    if (m_value != before)
        valueShown();
    emit changedValue(m_value);
}

void TJvTracker::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, PaintTracker(look()));
    // The keyboard's place, in the design's highlight colour (the window
    // rings it more widely still).
    if (hasFocus()) {
        painter.setPen(QPen(FocusMark::outerColor(), 1));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void TJvTracker::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeThumbAtValue();
}

void TJvTracker::mousePressEvent(QMouseEvent *event)
{
    setFocus(Qt::MouseFocusReason);
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPoint p = event->position().toPoint();
    const TrackerMetrics m = metrics();
    const bool onThumb = ThumbRectAt(m, m_thumbPosition).contains(p.x(), p.y());
    if (!onThumb && !ComputeTrackerGeometry(m).hitRect.contains(p.x(), p.y()))
        return;
    m_clickWasInRect = true;
    moveThumbTo(p.x());
}

void TJvTracker::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton) || !m_clickWasInRect)
        return;
    const TrackerGeometry g = ComputeTrackerGeometry(metrics());
    moveThumbTo(std::clamp(event->position().toPoint().x(), g.thumbMin, std::max(g.thumbMin, g.thumbMax)));
}

void TJvTracker::mouseReleaseEvent(QMouseEvent *)
{
    m_clickWasInRect = false;
}

void TJvTracker::keyPressEvent(QKeyEvent *event)
{
    // Up and Right raise the value as on every other slider of the desktop.
    // A page or an end goes as far as the range allows.
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down: setValue(m_value - m_step); break;
    case Qt::Key_Right:
    case Qt::Key_Up: setValue(m_value + m_step); break;
    case Qt::Key_PageUp: setValue(std::min(m_value + PageStep, m_maximum)); break;
    case Qt::Key_PageDown: setValue(std::max(m_value - PageStep, m_minimum)); break;
    case Qt::Key_Home: setValue(m_minimum); break;
    case Qt::Key_End: setValue(m_maximum); break;
    default: QWidget::keyPressEvent(event); return;
    }
    emit changedValue(m_value);
}

} // namespace pigmentrix
