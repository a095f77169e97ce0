#pragma once

#include <QFrame>
#include <QString>

namespace pigmentrix {

// The sunken frame of the magnifier picture. Its caption shows through
// wherever no picture covers it, so an empty magnifier tells what it is for.
class MagnifierFrame : public QFrame {
    Q_OBJECT

public:
    explicit MagnifierFrame(QWidget *parent = nullptr);

    QString caption;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace pigmentrix
