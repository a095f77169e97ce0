// The window's pop-up menus and the commands they carry.
#include "picker/color_pick_window.h"

#include "model/color_codes.h"
#include "picker/color_frame_panel.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

namespace pigmentrix {
namespace {

QAction *AddItem(QMenu *menu, const char *name, const QString &caption, const QKeySequence &shortcut = {})
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

QAction *AddCheckItem(QMenu *menu, const char *name, const QString &caption, bool checked)
{
    QAction *action = AddItem(menu, name, caption);
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
}

struct NotationItem {
    const char *name;
    const char *caption;
    QKeyCombination shortcut;
};

// Menu captions differ from the notation list in two places ("CMYK Values",
// "Photoshop Values").
const NotationItem NotationItems[NotationCount] = {
    {"HTMLHex1", "HTML Hex", Qt::CTRL | Qt::Key_H},
    {"DelphiHex1", "Delphi Hex", Qt::CTRL | Qt::Key_D},
    {"VBHex1", "VB Hex", {}},
    {"CHex1", "C++ Hex", {}},
    {"RGBValues1", "RGB Values", Qt::CTRL | Qt::Key_R},
    {"RGBValues2", "RGB %Values", {}},
    {"HSL1", "HSL", {}},
    {"HSVHSB1", "HSV (HSB)", {}},
    {"CMY1", "CMY", {}},
    {"CMYKValues1", "CMYK Values", Qt::CTRL | Qt::Key_K},
    {"PhotoshopValues1", "Photoshop Values", Qt::CTRL | Qt::Key_P},
    {"Powerbuilder1", "Powerbuilder", {}},
    {"AndroidTransparent1", "Android Transparent", {}},
    {"CSSRGBA1", "CSS RGBA", {}},
    {"RGB5651", "RGB565", {}},
};

} // namespace

void TfrmColorPick::buildMenus()
{
    pupMain = new QMenu(this);
    pupMain->setObjectName(QStringLiteral("pupMain"));
    UseAlphaChannels1 = AddCheckItem(pupMain, "UseAlphaChannels1", QStringLiteral("Use Alpha Channels"), false);
    connect(UseAlphaChannels1, &QAction::triggered, this, [this] { UseAlphaChannels1Click(); });
    pupMain->addSeparator()->setObjectName(QStringLiteral("N4"));

    QMenu *colorDisplay = pupMain->addMenu(QStringLiteral("Color Code Display"));
    colorDisplay->menuAction()->setObjectName(QStringLiteral("Colordisplay1"));
    for (int notation = 0; notation < NotationCount; ++notation) {
        const NotationItem &item = NotationItems[notation];
        QAction *action = AddItem(colorDisplay, item.name, QString::fromLatin1(item.caption), QKeySequence(item.shortcut));
        action->setData(notation);
        connect(action, &QAction::triggered, this, [this, notation] { HTMLHex1Click(notation); });
        colorDisplayItems[static_cast<std::size_t>(notation)] = action;
    }
    UpperCaseColorCodes1 = AddCheckItem(pupMain, "UpperCaseColorCodes1", QStringLiteral("Uppercase Color Codes"), true);
    connect(UpperCaseColorCodes1, &QAction::triggered, this, [this] { UpperCaseColorCodes1Click(); });

    QMenu *textDisplay = pupMain->addMenu(QStringLiteral("Text Display"));
    textDisplay->menuAction()->setObjectName(QStringLiteral("extDisplay1"));
    UseText = AddCheckItem(textDisplay, "UseText", QStringLiteral("Use Text in Color Frame"), true);
    connect(UseText, &QAction::triggered, this, [this] { UseTextClick(UseText); });
    ChangeFont1 = AddItem(textDisplay, "ChangeFont1", QStringLiteral("Change Font"));
    connect(ChangeFont1, &QAction::triggered, this, [this] { ChangeFont1Click(); });

    pupMain->addSeparator()->setObjectName(QStringLiteral("N3"));
    UndoColorChange1 = AddItem(pupMain, "UndoColorChange1", QStringLiteral("Undo Color Change"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(UndoColorChange1, &QAction::triggered, this, [this] { UndoColorChange1Click(); });
    RedoColorchange1 = AddItem(pupMain, "RedoColorchange1", QStringLiteral("Redo Color Change"),
                               QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Z));
    connect(RedoColorchange1, &QAction::triggered, this, [this] { RedoColorchange1Click(); });

    pupColorPanel = new QMenu(this);
    pupColorPanel->setObjectName(QStringLiteral("pupColorPanel"));
    setTextcolortoWhite1 = AddItem(pupColorPanel, "setTextcolortoWhite1", QStringLiteral("set Text Color to White"));
    connect(setTextcolortoWhite1, &QAction::triggered, this, [this] { setTextcolortoWhite1Click(); });
    setTextcolortoBlack1 = AddItem(pupColorPanel, "setTextcolortoBlack1", QStringLiteral("set Text Color to Black"));
    connect(setTextcolortoBlack1, &QAction::triggered, this, [this] { setTextcolortoBlack1Click(); });
    setTextColortoContrastColor1 = AddItem(pupColorPanel, "setTextColortoContrastColor1",
                                           QStringLiteral("set Text Color to Contrast Color"));
    connect(setTextColortoContrastColor1, &QAction::triggered, this, [this] { setTextColortoContrastColor1Click(); });
    setTextcolortotheinverseoftheBGcolor1 = AddItem(pupColorPanel, "setTextcolortotheinverseoftheBGcolor1",
                                                    QStringLiteral("set Text Color to the inverse of the BG Color"));
    connect(setTextcolortotheinverseoftheBGcolor1, &QAction::triggered, this,
            [this] { setTextcolortotheinverseoftheBGcolor1Click(); });
    pupColorPanel->addSeparator()->setObjectName(QStringLiteral("N13"));
    UseTextinColorFrame1 = AddCheckItem(pupColorPanel, "UseTextinColorFrame1", QStringLiteral("Use Text in Color Frame"), true);
    connect(UseTextinColorFrame1, &QAction::triggered, this, [this] { UseTextClick(UseTextinColorFrame1); });
    ChangeFont2 = AddItem(pupColorPanel, "ChangeFont2", QStringLiteral("Change Font"));
    connect(ChangeFont2, &QAction::triggered, this, [this] { ChangeFont1Click(); });
    ChangeText1 = AddItem(pupColorPanel, "ChangeText1", QStringLiteral("Change Text"));
    connect(ChangeText1, &QAction::triggered, this, [this] { ChangeText1Click(); });

    buildGrabMenus();

    // The main menu's shortcuts work anywhere in the window.
    const auto addShortcuts = [this](auto &&self, QMenu *menu) -> void {
        for (QAction *action : menu->actions()) {
            if (action->menu())
                self(self, action->menu());
            else if (!action->shortcut().isEmpty())
                addAction(action);
        }
    };
    addShortcuts(addShortcuts, pupMain);
}

void TfrmColorPick::connectCommands()
{
    const auto onClick = [this](QAbstractButton *button, void (TfrmColorPick::*handler)()) {
        connect(button, &QAbstractButton::clicked, this, [this, handler] { runGuarded([this, handler] { (this->*handler)(); }); });
    };
    onClick(btnInvert, &TfrmColorPick::btnInvertClick);
    onClick(btnRandom, &TfrmColorPick::btnRandomClick);
    onClick(btnDialog, &TfrmColorPick::btnDialogClick);
    onClick(btnUndo, &TfrmColorPick::UndoColorChange1Click);
    onClick(btnRedo, &TfrmColorPick::RedoColorchange1Click);
    onClick(btnCopy, &TfrmColorPick::btnCopyClick);
    onClick(btnSet, &TfrmColorPick::btnSetClick);
    connect(cbxDisplay, &QComboBox::activated, this, [this] { cbxDisplayChange(); });
    connectGrab();
}

void TfrmColorPick::contextMenuEvent(QContextMenuEvent *event)
{
    if (pnlColor->geometry().contains(event->pos()))
        pupColorPanel->popup(event->globalPos());
    else
        pupMain->popup(event->globalPos());
}

} // namespace pigmentrix
