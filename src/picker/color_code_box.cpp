// The colour code box: the current colour as a code in the chosen notation,
// copying it, and reading a typed code back.
#include "picker/color_pick_window.h"

#include "displays/tracker.h"
#include "model/color_codes.h"
#include "model/integer_text.h"
#include "picker/color_frame_panel.h"
#include "picker/picker_dialogs.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>

namespace pigmentrix {

QString TfrmColorPick::getcolorstring(TColor mcolor) const
{
    return QString::fromStdString(
        FormatColorCode(mcolor, cbxDisplay->currentIndex(), scrollbarAlpha->Value(), UseUpperCase));
}

TColor TfrmColorPick::translatecolor(const QString &cColor)
{
    const ParsedColorCode parsed = ParseColorCode(cColor.toStdString(), cbxDisplay->currentIndex());
    if (parsed.alpha)
        scrollbarAlpha->setValue(*parsed.alpha);
    return parsed.color;
}

void TfrmColorPick::btnSetClick()
{
    try {
        setnewcolor();
        applyColor(translatecolor(edtColor->text()));
    } catch (const ConvertError &) {
        enablechanges();
        dialogs.showMessage(this, QStringLiteral("Unable to convert color values."));
    }
}

void TfrmColorPick::btnCopyClick()
{
    edtColor->selectAll();
    QGuiApplication::clipboard()->setText(edtColor->selectedText());
}

void TfrmColorPick::cbxDisplayChange()
{
    edtColor->setText(getcolorstring(pnlColor->Color));
    rebuildPaletteHints();
}

void TfrmColorPick::HTMLHex1Click(int notation)
{
    const QSignalBlocker quiet(cbxDisplay);
    cbxDisplay->setCurrentIndex(notation);
    cbxDisplayChange();
}

void TfrmColorPick::UpperCaseColorCodes1Click()
{
    UseUpperCase = UpperCaseColorCodes1->isChecked();
    edtColor->setText(UseUpperCase ? edtColor->text().toUpper() : edtColor->text().toLower());
}

} // namespace pigmentrix
