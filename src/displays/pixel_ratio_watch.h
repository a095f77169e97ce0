#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;
class QWindow;

namespace pigmentrix {

// Tells when a widget may have to be drawn at another device pixel ratio: its
// window moved to another screen, or the ratio changed where it is (reported
// by Qt from 6.6 on). Pictures built at the screen's pixels are rebuilt then
// instead of being scaled blurred until their next change.
class PixelRatioWatch : public QObject {
public:
    PixelRatioWatch(QWidget *widget, std::function<void()> ratioMayHaveChanged);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The native window exists only once the widget's window is shown.
    void followWindowHandle();

    QWidget *widget;
    std::function<void()> ratioMayHaveChanged;
    QPointer<QWindow> followedWindow;
};

} // namespace pigmentrix
