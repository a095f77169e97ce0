#pragma once

#include "model/color.h"

#include <QWidget>

namespace pigmentrix {

// One palette slot: a plain square filled with the colour it stores. It
// reports presses, double clicks, movements and its keys; the window decides
// what they do.
class PaletteSlotPanel : public QWidget {
    Q_OBJECT

public:
    explicit PaletteSlotPanel(QWidget *parent = nullptr);

    TColor color() const { return stored; }
    // Stores c and shows it; system colours show as the desktop paints them.
    // The name of the colour before goes when the colour changes.
    void setColor(TColor c);
    // Stores c with the name a palette file gives it.
    void setNamedColor(TColor c, const QString &name);
    // The name the stored colour came with from a palette file, if any.
    const QString &colorName() const { return name; }

    // Whether the slot shows its hint; off while the eyedropper runs, so no
    // hint pops up over the area being sampled.
    bool ShowHint = true;

signals:
    void pressed(Qt::MouseButton button);
    void doubleClicked();
    void moved();
    // Enter, Return or Space: the slot's colour is wanted, as by a left click.
    void activated();
    // An arrow key: the neighbour that way should take the focus.
    void arrowPressed(Qt::Key key);
    void focused();

protected:
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    TColor stored = clBlack;
    QString name;
};

} // namespace pigmentrix
