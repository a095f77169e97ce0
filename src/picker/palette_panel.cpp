// The palette panel: sixteen slots that keep colours, the palette's name and
// the marker that shows it no longer matches its file.
#include "picker/color_pick_window.h"

#include "model/named_color_order.h"
#include "picker/color_frame_panel.h"
#include "picker/palette_slot_panel.h"
#include "storage/palette_slots.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

namespace pigmentrix {
namespace {

QAction *AddPaletteItem(QMenu *menu, const char *name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QToolButton *MakeImageButton(QWidget *parent, const char *name, const char *icon, const QString &hint,
                             const QRect &geometry)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(QIcon(QString::fromLatin1(icon)));
    button->setIconSize(QSize(16, 16));
    button->setToolTip(hint);
    button->setAutoRaise(true);
    button->setGeometry(geometry);
    return button;
}

} // namespace

void TfrmColorPick::buildPalettePanel()
{
    lblPalette = new QLabel(QStringLiteral("Palette"), pnlPalette);
    lblPalette->setObjectName(QStringLiteral("lblPalette"));
    lblPalette->move(6, 2);
    lblPalette->adjustSize();

    lblPalettename = new QLabel(pnlPalette);
    lblPalettename->setObjectName(QStringLiteral("lblPalettename"));
    lblPalettename->setGeometry(47, 2, 44, 15);

    lblpalettechanged = new QLabel(pnlPalette);
    lblpalettechanged->setObjectName(QStringLiteral("lblpalettechanged"));
    lblpalettechanged->setGeometry(6, 35, 16, 16);
    lblpalettechanged->setPixmap(QIcon(QStringLiteral(":/icons/palette_changed.svg")).pixmap(16, 16));
    lblpalettechanged->setToolTip(QStringLiteral("palette has changed"));
    lblpalettechanged->hide();

    JvSpeedButton1 = MakeImageButton(pnlPalette, "JvSpeedButton1", ":/icons/palette_load.svg",
                                     QStringLiteral("Load Palette..."), QRect(42, 27, 25, 25));
    JvSpeedButton2 = MakeImageButton(pnlPalette, "JvSpeedButton2", ":/icons/palette_save.svg",
                                     QStringLiteral("Save Palette as..."), QRect(66, 27, 25, 25));
    connect(JvSpeedButton1, &QToolButton::clicked, this, [this] { runGuarded([this] { btnLoadPaletteClick(); }); });
    connect(JvSpeedButton2, &QToolButton::clicked, this, [this] { runGuarded([this] { btnSavePaletteClick(); }); });

    for (int k = 0; k < PaletteSlotCount; ++k) {
        auto *slot = new PaletteSlotPanel(pnlPalette);
        slot->setObjectName(QStringLiteral("mempan%1").arg(k + 1));
        const SlotPlace place = PaletteSlotPlace(k);
        slot->setGeometry(place.left, place.top, PaletteSlotSize, PaletteSlotSize);
        slot->setColor(DesignPalette[static_cast<std::size_t>(k)]);
        connect(slot, &PaletteSlotPanel::pressed, this,
                [this, slot](Qt::MouseButton button) { runGuarded([=, this] { mempan3MouseDown(slot, button); }); });
        connect(slot, &PaletteSlotPanel::doubleClicked, this, [this] { runGuarded([this] { mempan3DblClick(); }); });
        connect(slot, &QWidget::customContextMenuRequested, this, [this, slot](const QPoint &at) {
            pupPaletteSlot = slot;
            pupPalette->popup(slot->mapToGlobal(at));
        });
        mempan[static_cast<std::size_t>(k)] = slot;
    }
    // The first slot's hint follows the list as it is right now.
    mempan[0]->setMouseTracking(true);
    connect(mempan[0], &PaletteSlotPanel::moved, this, [this] { runGuarded([this] { mempan4MouseMove(); }); });
}

void TfrmColorPick::buildPaletteMenu()
{
    pupPalette = new QMenu(this);
    pupPalette->setObjectName(QStringLiteral("pupPalette"));
    SaveColorHere1 = AddPaletteItem(pupPalette, "SaveColorHere1", QStringLiteral("Save Color here"));
    SetasBackground1 = AddPaletteItem(pupPalette, "SetasBackground1", QStringLiteral("Set as Active Color"));
    SetasTextColor1 = AddPaletteItem(pupPalette, "SetasTextColor1", QStringLiteral("Set as Text Color"));
    Copy1 = AddPaletteItem(pupPalette, "Copy1", QStringLiteral("Copy Color Description"));
    const auto onTrigger = [this](QAction *action, void (TfrmColorPick::*handler)()) {
        connect(action, &QAction::triggered, this,
                [this, handler] { runGuarded([this, handler] { (this->*handler)(); }); });
    };
    onTrigger(SaveColorHere1, &TfrmColorPick::SaveColorHere1Click);
    onTrigger(SetasBackground1, &TfrmColorPick::SetasBackground1Click);
    onTrigger(SetasTextColor1, &TfrmColorPick::SetasTextColor1Click);
    onTrigger(Copy1, &TfrmColorPick::Copy1Click);
}

void TfrmColorPick::mempan3MouseDown(PaletteSlotPanel *sender, Qt::MouseButton button)
{
    if (button == Qt::LeftButton) {
        setnewcolor();
        lastcolor = pnlColor->Color;
        applyColor(sender->color());
    } else if (button == Qt::MiddleButton) {
        storeColorInSlot(sender);
        redrawFrame();
    }
}

void TfrmColorPick::mempan3DblClick()
{
    btnCopyClick();
}

void TfrmColorPick::mempan4MouseMove()
{
    SetHint(mempan[0]);
}

void TfrmColorPick::SaveColorHere1Click()
{
    if (pupPaletteSlot)
        storeColorInSlot(pupPaletteSlot);
}

// Not recorded for undo: the colour before it cannot be brought back.
void TfrmColorPick::SetasBackground1Click()
{
    if (pupPaletteSlot)
        applyColor(pupPaletteSlot->color());
}

void TfrmColorPick::SetasTextColor1Click()
{
    if (!pupPaletteSlot)
        return;
    pnlColor->FontColor = pupPaletteSlot->color();
    redrawFrame();
}

void TfrmColorPick::Copy1Click()
{
    if (pupPaletteSlot)
        QGuiApplication::clipboard()->setText(getcolorstring(pupPaletteSlot->color()));
}

void TfrmColorPick::storeColorInSlot(PaletteSlotPanel *slot)
{
    const TColor old = slot->color();
    slot->setColor(pnlColor->Color);
    if (old != slot->color()) {
        // Only a palette that came from a file can stop matching it.
        if (!mpalette.isEmpty())
            mpalettechanged = true;
        SetHint(slot);
    }
    lblpalettechanged->setVisible(mpalettechanged);
}

void TfrmColorPick::SetHint(PaletteSlotPanel *sender)
{
    const TColor color = sender->color();
    const std::string hint = SlotHint(getcolorstring(color).toStdString(), namedColorEntries(), color);
    sender->setToolTip(QString::fromStdString(hint));
}

void TfrmColorPick::rebuildPaletteHints()
{
    for (PaletteSlotPanel *slot : mempan)
        SetHint(slot);
}

void TfrmColorPick::showPaletteName(const QString &name)
{
    mpalette = name;
    if (!name.isEmpty()) {
        lblPalettename->setText(
            lblPalettename->fontMetrics().elidedText(name, Qt::ElideRight, lblPalettename->width()));
        lblPalette->setToolTip(name);
        lblPalettename->setToolTip(name);
    }
    mpalettechanged = false;
    lblpalettechanged->hide();
}

Palette TfrmColorPick::paletteColors() const
{
    Palette colors{};
    for (std::size_t k = 0; k < colors.size(); ++k)
        colors[k] = mempan[k]->color();
    return colors;
}

void TfrmColorPick::setPaletteColors(const Palette &colors)
{
    for (std::size_t k = 0; k < colors.size(); ++k)
        mempan[k]->setColor(colors[k]);
}

} // namespace pigmentrix
