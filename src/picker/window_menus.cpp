// The window's pop-up menus: the main menu in its order, built from each
// area's items, and the colour frame's menu.
#include "picker/color_pick_window.h"

#include "model/color_codes.h"
#include "picker/color_frame_panel.h"
#include "picker/menu_items.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

namespace pigmentrix {
namespace {

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
    buildWindowModeItems();
    UseAlphaChannels1 = AddCheckItem(pupMain, QStringLiteral("UseAlphaChannels1"), QStringLiteral("Use Alpha Channels"), false);
    connect(UseAlphaChannels1, &QAction::triggered, this, [this] { runGuarded([this] { UseAlphaChannels1Click(); }); });
    AddSeparator(pupMain, QStringLiteral("N4"));
    buildZoomMenu();
    buildColorCodeDisplayMenu();
    UpperCaseColorCodes1 =
        AddCheckItem(pupMain, QStringLiteral("UpperCaseColorCodes1"), QStringLiteral("Uppercase Color Codes"), true);
    connect(UpperCaseColorCodes1, &QAction::triggered, this, [this] { UpperCaseColorCodes1Click(); });
    buildAveragingMenu();
    buildTextDisplayMenu();
    buildAutoCopyItem();
    buildDisplayModeMenu();
    AddSeparator(pupMain, QStringLiteral("N3"));
    UndoColorChange1 = AddItem(pupMain, QStringLiteral("UndoColorChange1"), QStringLiteral("Undo Color Change"),
                               QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(UndoColorChange1, &QAction::triggered, this, [this] { runGuarded([this] { UndoColorChange1Click(); }); });
    RedoColorchange1 = AddItem(pupMain, QStringLiteral("RedoColorchange1"), QStringLiteral("Redo Color Change"),
                               QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Z));
    connect(RedoColorchange1, &QAction::triggered, this, [this] { runGuarded([this] { RedoColorchange1Click(); }); });
    AddSeparator(pupMain, QStringLiteral("N11"));
    // Filled with mirrors of the named-colour list's menu at creation.
    ColorList1 = AddSubmenu(pupMain, QStringLiteral("ColorList1"), QStringLiteral("Color List"));
    buildNamedColorMenu();
    AddSeparator(pupMain, QStringLiteral("N7"));
    buildTrayItems();
    buildUpdateCommands();
    AddSeparator(pupMain, QStringLiteral("N6"));
    Exit1 = AddItem(pupMain, QStringLiteral("Exit1"), QStringLiteral("Exit"), QKeySequence(Qt::ALT | Qt::Key_F4));
    connect(Exit1, &QAction::triggered, this, [this] { Exit1Click(); });

    buildColorPanelMenu();

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

void TfrmColorPick::buildColorCodeDisplayMenu()
{
    QMenu *colorDisplay = AddSubmenu(pupMain, QStringLiteral("Colordisplay1"), QStringLiteral("Color Code Display"));
    for (int notation = 0; notation < NotationCount; ++notation) {
        const NotationItem &item = NotationItems[notation];
        // A row without a key holds the default, Qt::Key_unknown.
        const QKeySequence shortcut =
            item.shortcut.key() != Qt::Key_unknown ? QKeySequence(item.shortcut) : QKeySequence();
        QAction *action = AddItem(colorDisplay, QString::fromLatin1(item.name), QString::fromLatin1(item.caption), shortcut);
        action->setData(notation);
        connect(action, &QAction::triggered, this, [this, notation] { HTMLHex1Click(notation); });
        colorDisplayItems[static_cast<std::size_t>(notation)] = action;
    }
}

void TfrmColorPick::buildTextDisplayMenu()
{
    QMenu *textDisplay = AddSubmenu(pupMain, QStringLiteral("extDisplay1"), QStringLiteral("Text Display"));
    UseText = AddCheckItem(textDisplay, QStringLiteral("UseText"), QStringLiteral("Use Text in Color Frame"), true);
    connect(UseText, &QAction::triggered, this, [this] { UseTextClick(UseText); });
    ChangeFont1 = AddItem(textDisplay, QStringLiteral("ChangeFont1"), QStringLiteral("Change Font"));
    connect(ChangeFont1, &QAction::triggered, this, [this] { ChangeFont1Click(); });
}

void TfrmColorPick::buildColorPanelMenu()
{
    pupColorPanel = new QMenu(this);
    pupColorPanel->setObjectName(QStringLiteral("pupColorPanel"));
    const auto add = [this](const char *name, const char *caption, void (TfrmColorPick::*handler)()) {
        QAction *item = AddItem(pupColorPanel, QString::fromLatin1(name), QString::fromLatin1(caption));
        connect(item, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return item;
    };
    setTextcolortoWhite1 = add("setTextcolortoWhite1", "set Text Color to White", &TfrmColorPick::setTextcolortoWhite1Click);
    setTextcolortoBlack1 = add("setTextcolortoBlack1", "set Text Color to Black", &TfrmColorPick::setTextcolortoBlack1Click);
    setTextColortoContrastColor1 = add("setTextColortoContrastColor1", "set Text Color to Contrast Color",
                                       &TfrmColorPick::setTextColortoContrastColor1Click);
    setTextcolortotheinverseoftheBGcolor1 = add("setTextcolortotheinverseoftheBGcolor1",
                                                "set Text Color to the inverse of the BG Color",
                                                &TfrmColorPick::setTextcolortotheinverseoftheBGcolor1Click);
    AddSeparator(pupColorPanel, QStringLiteral("N13"));
    UseTextinColorFrame1 =
        AddCheckItem(pupColorPanel, QStringLiteral("UseTextinColorFrame1"), QStringLiteral("Use Text in Color Frame"), true);
    connect(UseTextinColorFrame1, &QAction::triggered, this, [this] { UseTextClick(UseTextinColorFrame1); });
    ChangeFont2 = add("ChangeFont2", "Change Font", &TfrmColorPick::ChangeFont1Click);
    ChangeText1 = add("ChangeText1", "Change Text", &TfrmColorPick::ChangeText1Click);
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
