#pragma once

#include <QColor>
#include <QLabel>

namespace pigmentrix {

// A one-line link: bold text that lights up while the pointer is over it and
// reports a left click.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    LinkLabel(const QString &text, const QColor &color, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void showLit(bool lit);

    QColor color;
};

} // namespace pigmentrix
