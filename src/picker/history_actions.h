#pragma once

#include "model/color.h"
#include "picker/color_history.h"

#include <QObject>

#include <random>

class QAction;
class QMenu;
class QPushButton;
class QToolButton;
class QWidget;

namespace pigmentrix {

class ColorPipeline;
class ErrorGuard;
class PickerDialogs;
struct LayoutGeometry;

// Undo and redo of the current colour with their buttons and menu items, and
// the quick actions Invert, Random and Dialog.
class HistoryActions : public QObject {
    Q_OBJECT

public:
    HistoryActions(QWidget *window, ColorPipeline &pipeline, PickerDialogs &dialogs, const ErrorGuard &guard);

    // "Undo Color Change" and "Redo Color Change", appended to menu.
    void addMenuItems(QMenu *menu);
    void applyLayout(const LayoutGeometry &geometry);

    const ColorHistory &history() const;
    // The width of the undo button, which the named-colour list's swatches
    // follow.
    int undoButtonWidth() const;

signals:
    // Invert with Ctrl held also inverts the frame's text colour.
    void textColorInverted();

private:
    void UndoColorChange1Click();
    void RedoColorchange1Click();
    void btnRandomClick();
    void btnInvertClick();
    void btnDialogClick();

    void updateHistoryButtons();

    QWidget *window;
    ColorPipeline &pipeline;
    PickerDialogs &dialogs;
    std::mt19937 random;
    const ErrorGuard &guard;

    QWidget *pnlButtons = nullptr;
    QPushButton *btnInvert = nullptr;
    QPushButton *btnRandom = nullptr;
    QPushButton *btnDialog = nullptr;
    QToolButton *btnUndo = nullptr;
    QToolButton *btnRedo = nullptr;
    QAction *UndoColorChange1 = nullptr;
    QAction *RedoColorchange1 = nullptr;
};

} // namespace pigmentrix
