#include "ui/reading_order.h"

#include <QWidget>

#include <algorithm>
#include <memory>

namespace pigmentrix {
namespace {

// The window's panels: its direct children that are not windows of their own.
QList<QWidget *> PanelsInReadingOrder(QWidget *window)
{
    QList<QWidget *> panels;
    for (QObject *child : window->children()) {
        auto *panel = qobject_cast<QWidget *>(child);
        if (panel && !panel->isWindow())
            panels.append(panel);
    }
    std::stable_sort(panels.begin(), panels.end(), [](const QWidget *a, const QWidget *b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    return panels;
}

// The window's controls that can take the focus, as the focus chain holds them.
QList<QWidget *> FocusChain(QWidget *window)
{
    QList<QWidget *> chain;
    for (QWidget *widget = window->nextInFocusChain(); widget && widget != window; widget = widget->nextInFocusChain())
        if (widget->focusPolicy() != Qt::NoFocus && window->isAncestorOf(widget) && !chain.contains(widget))
            chain.append(widget);
    return chain;
}

} // namespace

QList<QWidget *> ReadingOrder(QWidget *window)
{
    const QList<QWidget *> chain = FocusChain(window);
    QList<QWidget *> ordered;
    for (QWidget *panel : PanelsInReadingOrder(window))
        for (QWidget *control : chain)
            if (control == panel || panel->isAncestorOf(control))
                ordered.append(control);
    return ordered;
}

void ChainInReadingOrder(QWidget *window)
{
    const QList<QWidget *> order = ReadingOrder(window);
    // Qt (6.4) leaves the order as it is when the first of the two is the
    // last of the window's chain: a stand-in at the end keeps every control
    // off that place until the chain is made.
    const std::unique_ptr<QWidget> end = std::make_unique<QWidget>(window);
    end->setFocusPolicy(Qt::TabFocus);
    QWidget *previous = nullptr;
    for (QWidget *control : order) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

} // namespace pigmentrix
