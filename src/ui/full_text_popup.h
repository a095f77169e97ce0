#pragma once

#include <QObject>

class QLabel;
class QLineEdit;
class QWidget;

namespace pigmentrix {

// Shows the whole text of a one-line box just under it while the pointer is
// over the box or the box has the focus and the text is wider than the box,
// so that a long colour code reads at a glance without the box growing or a
// control moving. The pop-up takes no clicks, and it gets out of the way
// while the pointer is over a control it covers.
class FullTextPopup : public QObject {
    Q_OBJECT

public:
    // The pop-up is a child of window, named name.
    FullTextPopup(QLineEdit *box, QWidget *window, const char *name);

    QLabel *popup() const { return label; }
    // Shows, places or hides the pop-up for the box's present text.
    void refresh();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool textFits() const;
    // Whether the widget the pointer is over lies under the pop-up.
    bool pointerOnCoveredControl() const;

    QLineEdit *box;
    QWidget *window;
    QLabel *label;
    const QWidget *pointerOver = nullptr;
};

} // namespace pigmentrix
