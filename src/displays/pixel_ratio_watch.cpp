#include "displays/pixel_ratio_watch.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace pigmentrix {

PixelRatioWatch::PixelRatioWatch(QWidget *widget, std::function<void()> ratioMayHaveChanged)
    : QObject(widget)
    , widget(widget)
    , ratioMayHaveChanged(std::move(ratioMayHaveChanged))
{
    widget->installEventFilter(this);
    followWindowHandle();
}

void PixelRatioWatch::followWindowHandle()
{
    QWindow *handle = widget->window()->windowHandle();
    if (!handle || handle == followedWindow)
        return;
    if (followedWindow)
        disconnect(followedWindow, nullptr, this, nullptr);
    followedWindow = handle;
    connect(handle, &QWindow::screenChanged, this, [this] { this->ratioMayHaveChanged(); });
}

bool PixelRatioWatch::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::ParentChange: followWindowHandle(); break;
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    case QEvent::DevicePixelRatioChange: ratioMayHaveChanged(); break;
#endif
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace pigmentrix
