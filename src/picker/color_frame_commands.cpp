// Commands of the colour frame: its display text, font and text colour.
#include "picker/color_pick_window.h"

#include "displays/tracker.h"
#include "model/conversions.h"
#include "picker/color_frame_panel.h"
#include "picker/picker_dialogs.h"

#include <QAction>

namespace pigmentrix {
namespace {

const QString DefaultCaption = QStringLiteral("Pigmentrix");

} // namespace

void TfrmColorPick::redrawFrame()
{
    const TColor c = pnlColor->Color;
    UpdatePanel(RedOf(c), GreenOf(c), BlueOf(c), scrollbarAlpha->Value());
}

void TfrmColorPick::setTextcolortoWhite1Click()
{
    pnlColor->FontColor = clWhite;
    redrawFrame();
}

void TfrmColorPick::setTextcolortoBlack1Click()
{
    pnlColor->FontColor = clBlack;
    redrawFrame();
}

void TfrmColorPick::setTextColortoContrastColor1Click()
{
    pnlColor->FontColor = ContrastColor(pnlColor->Color);
    redrawFrame();
}

void TfrmColorPick::setTextcolortotheinverseoftheBGcolor1Click()
{
    pnlColor->FontColor = InverseColor(pnlColor->Color);
    redrawFrame();
}

void TfrmColorPick::UseTextClick(QAction *sender)
{
    // The main menu's item holds the setting; the frame's item mirrors it.
    // A checkable item has already toggled itself when its handler runs.
    const bool useText = sender == UseText ? UseText->isChecked() : !UseText->isChecked();
    UseText->setChecked(useText);
    UseTextinColorFrame1->setChecked(useText);
    SetasTextColor1->setEnabled(useText);
    pnlColor->Caption = useText ? DefaultCaption : QString();
    redrawFrame();
}

void TfrmColorPick::ChangeText1Click()
{
    pnlColor->Caption = dialogs.askText(this, QStringLiteral("Pigmentrix"), QStringLiteral("Please type your display text"),
                                        pnlColor->Caption);
    redrawFrame();
}

void TfrmColorPick::ChangeFont1Click()
{
    QFont font = pnlColor->Font;
    if (const std::optional<QFont> chosen = dialogs.chooseFont(this, font))
        pnlColor->Font = *chosen;
    redrawFrame();
}

} // namespace pigmentrix
