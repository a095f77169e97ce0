// Undo and redo of the current colour, and the quick actions Invert, Random
// and Dialog.
#include "picker/color_pick_window.h"

#include "displays/tracker.h"
#include "model/conversions.h"
#include "picker/color_frame_panel.h"
#include "picker/picker_dialogs.h"

#include <QGuiApplication>
#include <QToolButton>

namespace pigmentrix {

void TfrmColorPick::updateHistoryButtons()
{
    btnUndo->setEnabled(history.canUndo());
    btnRedo->setEnabled(history.canRedo());
}

void TfrmColorPick::setnewcolor()
{
    history.recordUndo(pnlColor->Color);
    btnUndo->setEnabled(history.canUndo());
}

void TfrmColorPick::setoldcolor()
{
    history.recordRedo(pnlColor->Color);
}

void TfrmColorPick::UndoColorChange1Click()
{
    if (!history.canUndo())
        return;
    setoldcolor();
    applyColor(history.popUndo());
    updateHistoryButtons();
}

void TfrmColorPick::RedoColorchange1Click()
{
    if (!history.canRedo())
        return;
    setnewcolor();
    applyColor(history.popRedo());
    updateHistoryButtons();
}

void TfrmColorPick::btnInvertClick()
{
    setnewcolor();
    if (QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier))
        pnlColor->FontColor = InverseColor(pnlColor->FontColor);
    applyColor(InverseColor(pnlColor->Color));
}

void TfrmColorPick::btnRandomClick()
{
    setnewcolor();
    std::uniform_int_distribution<int> channel(0, 254);
    const int red = channel(random);
    const int green = channel(random);
    const int blue = channel(random);
    applyColor(ComposeColor(red, green, blue));
}

void TfrmColorPick::btnDialogClick()
{
    const std::optional<TColor> chosen = dialogs.chooseColor(this, pnlColor->Color);
    if (!chosen)
        return;
    setnewcolor();
    applyColor(*chosen);
}

} // namespace pigmentrix
