#include "displays/tracker_accessible.h"

#include "displays/tracker.h"
#include "ui/accessibility.h"

namespace pigmentrix {
namespace {

QAccessibleInterface *TrackerFactory(const QString &key, QObject *object)
{
    if (key != QLatin1String(TJvTracker::staticMetaObject.className()))
        return nullptr;
    auto *tracker = qobject_cast<TJvTracker *>(object);
    return tracker ? new TrackerAccessible(tracker) : nullptr;
}

} // namespace

TrackerAccessible::TrackerAccessible(TJvTracker *tracker)
    : QAccessibleWidget(tracker, QAccessible::Slider)
{
}

TJvTracker *TrackerAccessible::tracker() const
{
    return static_cast<TJvTracker *>(widget());
}

void *TrackerAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString TrackerAccessible::text(QAccessible::Text type) const
{
    if (type == QAccessible::Value)
        return QString::number(tracker()->Value());
    return QAccessibleWidget::text(type);
}

QVariant TrackerAccessible::currentValue() const
{
    return tracker()->Value();
}

void TrackerAccessible::setCurrentValue(const QVariant &value)
{
    tracker()->chooseValue(value.toInt());
}

QVariant TrackerAccessible::maximumValue() const
{
    return tracker()->Maximum();
}

QVariant TrackerAccessible::minimumValue() const
{
    return tracker()->Minimum();
}

QVariant TrackerAccessible::minimumStepSize() const
{
    return tracker()->Step();
}

void InstallTrackerAccessibility()
{
    InstallAccessibleFactory<TrackerFactory>();
}

} // namespace pigmentrix
