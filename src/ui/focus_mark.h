#pragma once

#include <QPointer>
#include <QWidget>

namespace pigmentrix {

// The keyboard's place in a window: a ring in the design's highlight colours
// round whichever of the window's controls has the focus, drawn over it so
// that every kind of control shows it alike and clearly (the styles' own
// marks are faint dotted lines, or nothing). It takes no clicks and no focus.
class FocusMark : public QWidget {
    Q_OBJECT

public:
    explicit FocusMark(QWidget *window);

    // The control the ring is round, or nullptr while none of the window's
    // controls has the focus.
    QWidget *markedControl() const { return marked; }

    // The ring's colours: the highlight outside, the highlight text inside.
    static QColor outerColor();
    static QColor innerColor();

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow(QWidget *focused);
    void place();
    QList<QWidget *> watchedChain() const;

    QPointer<QWidget> marked;
};

} // namespace pigmentrix
