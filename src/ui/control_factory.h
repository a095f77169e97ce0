#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

#include <initializer_list>

class QColor;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace pigmentrix {

// The system colour the window's panels are filled with (scroll-bar colour).
QColor PanelColor();

// Fills widget's background with color.
void FillBackground(QWidget *widget, const QColor &color);

// The window's building blocks at their design geometry (logical pixels),
// each named after the control it is.
QWidget *MakePanel(QWidget *parent, const char *name, const QRect &geometry);
QLabel *MakeLabel(QWidget *parent, const char *name, const QString &caption, QPoint at);
QPushButton *MakeButton(QWidget *parent, const char *name, const QString &caption, const QString &hint,
                        const QRect &geometry);

// A caption and the pixels it may take.
struct Caption {
    QLabel *label;
    int room;
};

// Gives the captions one text size, the largest up to the design's at which
// each fits its room: smaller where the face in use is wider than the
// design's, alike so that the rows still look alike.
void FitCaptions(std::initializer_list<Caption> captions);

// Gives a drop-down list the largest text size up to its own at which the
// closed list shows each of its items whole ("Zoom x 11" in a face wider
// than the design's); the open list keeps the size it had.
void FitClosedListItems(QComboBox *list);

// Tab moves through controls in this order.
void SetTabChain(std::initializer_list<QWidget *> controls);

// The mouse wheel over a box holding a number: one up or down, within 0..255.
// A box without a number is left alone.
void StepNumberBox(QLineEdit *box, bool up);

} // namespace pigmentrix
