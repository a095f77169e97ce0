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
    AlwaysonTop1 = AddCheckItem(pupMain, "AlwaysonTop1", QStringLiteral("Always on Top"), false);
    connect(AlwaysonTop1, &QAction::triggered, this, [this] { AlwaysonTop1Click(); });
    ShowHideTitlebar1 = AddCheckItem(pupMain, "ShowHideTitlebar1", QStringLiteral("Show/Hide Title Bar"), true);
    connect(ShowHideTitlebar1, &QAction::triggered, this, [this] { ShowHideTitlebar1Click(); });
    QMenu *changeLayout = pupMain->addMenu(QStringLiteral("Change Layout"));
    changeLayout->menuAction()->setObjectName(QStringLiteral("ChangeLayout1"));
    Small1 = AddCheckItem(changeLayout, "Small1", QStringLiteral("Small"), false);
    Medium1 = AddCheckItem(changeLayout, "Medium1", QStringLiteral("Medium"), false);
    Large1 = AddCheckItem(changeLayout, "Large1", QStringLiteral("Large"), false);
    Small1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    Medium1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    Large1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    for (QAction *item : {Small1, Medium1, Large1}) {
        item->setData(item == Small1 ? LayoutSmall : item == Medium1 ? LayoutMedium : LayoutLarge);
        connect(item, &QAction::triggered, this, [this, item] { runGuarded([this, item] { Small1Click(item->data().toInt()); }); });
    }
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

    buildDisplayModeMenu();

    pupMain->addSeparator()->setObjectName(QStringLiteral("N3"));
    UndoColorChange1 = AddItem(pupMain, "UndoColorChange1", QStringLiteral("Undo Color Change"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(UndoColorChange1, &QAction::triggered, this, [this] { UndoColorChange1Click(); });
    RedoColorchange1 = AddItem(pupMain, "RedoColorchange1", QStringLiteral("Redo Color Change"),
                               QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Z));
    connect(RedoColorchange1, &QAction::triggered, this, [this] { RedoColorchange1Click(); });
    buildUpdateCommands();

    pupMain->addSeparator()->setObjectName(QStringLiteral("N7"));
    StayinSystemTray1 = AddCheckItem(pupMain, "StayinSystemTray1", QStringLiteral("Stay in System Tray"), true);
    connect(StayinSystemTray1, &QAction::triggered, this, [this] { StayinSystemTray1Click(); });
    RunonStartup1 = AddCheckItem(pupMain, "RunonStartup1", QStringLiteral("Run on Startup"), false);
    connect(RunonStartup1, &QAction::triggered, this, [this] { RunonStartup1Click(); });
    pupMain->addSeparator()->setObjectName(QStringLiteral("N6"));
    Exit1 = AddItem(pupMain, "Exit1", QStringLiteral("Exit"), QKeySequence(Qt::ALT | Qt::Key_F4));
    connect(Exit1, &QAction::triggered, this, [this] { Exit1Click(); });
    pupMain->addSeparator()->setObjectName(QStringLiteral("N11"));
    // Filled with mirrors of the named-colour list's menu at creation.
    ColorList1 = pupMain->addMenu(QStringLiteral("Color List"));
    ColorList1->menuAction()->setObjectName(QStringLiteral("ColorList1"));
    buildNamedColorMenu();

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
