#pragma once

#include <QFrame>
#include <QString>

namespace pigmentrix {

// The sunken frame of the magnifier picture. Its caption shows through
// wherever no picture covers it, so an empty magnifier tells what it is for.
// Its child views always fill it inside the bevel, whatever size a layout
// gives the frame.
class MagnifierFrame : public QFrame {
    Q_OBJECT

public:
    explicit MagnifierFrame(QWidget *parent = nullptr);

    QString caption;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
};

} // namespace pigmentrix
