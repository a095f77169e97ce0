#pragma once

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

namespace pigmentrix {

class TJvTracker;

// What a screen reader sees of a channel slider: a slider whose value and
// range it can read and set.
class TrackerAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit TrackerAccessible(TJvTracker *tracker);

    void *interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text type) const override;

    QVariant currentValue() const override;
    // A value set by assistive technology counts as the user's change.
    void setCurrentValue(const QVariant &value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    TJvTracker *tracker() const;
};

// Makes every TJvTracker answer with a TrackerAccessible; done once a run.
void InstallTrackerAccessibility();

} // namespace pigmentrix
