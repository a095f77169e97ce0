// The palette panel: sixteen slots that keep colours, the palette's name and
// the marker that shows it no longer matches its file.
#include "picker/palette_area.h"

#include "picker/color_code_box.h"
#include "picker/color_pipeline.h"
#include "picker/palette_slot_panel.h"
#include "ui/accessibility.h"
#include "ui/artwork.h"
#include "ui/control_factory.h"
#include "ui/error_guard.h"
#include "ui/window_geometry.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

namespace pigmentrix {
namespace {

constexpr std::array<std::string_view, PaletteSlotCount> SlotPropertyNames = {
    "mempan1_Color",  "mempan2_Color",  "mempan3_Color",  "mempan4_Color",  "mempan5_Color",  "mempan6_Color",
    "mempan7_Color",  "mempan8_Color",  "mempan9_Color",  "mempan10_Color", "mempan11_Color", "mempan12_Color",
    "mempan13_Color", "mempan14_Color", "mempan15_Color", "mempan16_Color",
};
constexpr std::array<std::string_view, PaletteSlotCount> SlotNamePropertyNames = {
    "mempan1_Name",  "mempan2_Name",  "mempan3_Name",  "mempan4_Name",  "mempan5_Name",  "mempan6_Name",
    "mempan7_Name",  "mempan8_Name",  "mempan9_Name",  "mempan10_Name", "mempan11_Name", "mempan12_Name",
    "mempan13_Name", "mempan14_Name", "mempan15_Name", "mempan16_Name",
};

// Pixels between the end of "Palette" and the palette's name.
constexpr int PaletteNameGap = 4;

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
    button->setIcon(ArtworkIcon(QString::fromLatin1(icon)));
    button->setIconSize(QSize(16, 16));
    button->setToolTip(hint);
    button->setAutoRaise(true);
    button->setGeometry(geometry);
    return button;
}

} // namespace

PaletteArea::PaletteArea(QWidget *window, ColorPipeline &pipeline, ColorCodeBox &codes, NamedEntries namedEntries,
                         PickerDialogs &dialogs, const ErrorGuard &guard)
    : QObject(window)
    , window(window)
    , pipeline(pipeline)
    , codes(codes)
    , namedEntries(std::move(namedEntries))
    , dialogs(dialogs)
    , guard(guard)
{
    setObjectName(QStringLiteral("paletteArea"));
    buildPanel(window);
    buildMenu(window);
}

void PaletteArea::buildPanel(QWidget *window)
{
    pnlPalette = MakePanel(window, "pnlPalette", ToQRect(design::PalettePanel));
    lblPalette = new QLabel(QStringLiteral("Palette"), pnlPalette);
    lblPalette->setObjectName(QStringLiteral("lblPalette"));
    lblPalette->move(6, 2);

    lblPalettename = new QLabel(pnlPalette);
    lblPalettename->setObjectName(QStringLiteral("lblPalettename"));
    lblPalettename->setGeometry(47, 2, 44, 15);
    // "Palette" ends a few pixels before the name begins, in a face wider
    // than the design's too.
    FitCaptions({{lblPalette, lblPalettename->x() - lblPalette->x() - PaletteNameGap}});

    lblpalettechanged = new QLabel(pnlPalette);
    lblpalettechanged->setObjectName(QStringLiteral("lblpalettechanged"));
    lblpalettechanged->setGeometry(6, 35, 16, 16);
    lblpalettechanged->setPixmap(ArtworkIcon(u"palette_changed").pixmap(16, 16));
    lblpalettechanged->setToolTip(QStringLiteral("palette has changed"));
    lblpalettechanged->hide();

    JvSpeedButton1 = MakeImageButton(pnlPalette, "JvSpeedButton1", "palette_load", QStringLiteral("Load Palette..."),
                                     QRect(42, 27, 25, 25));
    JvSpeedButton2 = MakeImageButton(pnlPalette, "JvSpeedButton2", "palette_save", QStringLiteral("Save Palette as..."),
                                     QRect(66, 27, 25, 25));
    NameControl(JvSpeedButton1, QStringLiteral("Load Palette"));
    NameControl(JvSpeedButton2, QStringLiteral("Save Palette"));
    guard.connect(JvSpeedButton1, &QToolButton::clicked, this, [this] { btnLoadPaletteClick(); });
    guard.connect(JvSpeedButton2, &QToolButton::clicked, this, [this] { btnSavePaletteClick(); });

    for (int k = 0; k < PaletteSlotCount; ++k) {
        auto *slot = new PaletteSlotPanel(pnlPalette);
        slot->setObjectName(QStringLiteral("mempan%1").arg(k + 1));
        const SlotPlace place = PaletteSlotPlace(k);
        slot->setGeometry(place.left, place.top, PaletteSlotSize, PaletteSlotSize);
        slot->setColor(DesignPalette[static_cast<std::size_t>(k)]);
        guard.connect(slot, &PaletteSlotPanel::pressed, this,
                      [this, slot](Qt::MouseButton button) { mempan3MouseDown(slot, button); });
        guard.connect(slot, &PaletteSlotPanel::doubleClicked, this, [this] { mempan3DblClick(); });
        guard.connect(slot, &QWidget::customContextMenuRequested, this, [this, slot](const QPoint &at) {
            pupPaletteSlot = slot;
            pupPalette->popup(slot->mapToGlobal(at));
        });
        guard.connect(slot, &PaletteSlotPanel::activated, this,
                      [this, slot] { mempan3MouseDown(slot, Qt::LeftButton); });
        guard.connect(slot, &PaletteSlotPanel::arrowPressed, this, [this, k](Qt::Key key) { focusNeighbour(k, key); });
        guard.connect(slot, &PaletteSlotPanel::focused, this, [this, slot] { makeTabStop(slot); });
        SetAccessibleRole(slot, QAccessible::Button);
        NameControl(slot, QStringLiteral("Palette slot %1").arg(k + 1));
        mempan[static_cast<std::size_t>(k)] = slot;
    }
    makeTabStop(mempan[0]);
    // The first slot's hint follows the list as it is right now.
    mempan[0]->setMouseTracking(true);
    guard.connect(mempan[0], &PaletteSlotPanel::moved, this, [this] { mempan4MouseMove(); });
}

// The sixteen slots are one stop of Tab, the slot last in focus; the arrows
// move between them.
void PaletteArea::makeTabStop(PaletteSlotPanel *stop)
{
    for (PaletteSlotPanel *slot : mempan)
        if (slot)
            slot->setFocusPolicy(slot == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

void PaletteArea::focusNeighbour(int slot, Qt::Key key)
{
    const int columns = key == Qt::Key_Left ? -1 : key == Qt::Key_Right ? 1 : 0;
    const int rows = key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : 0;
    mempan[static_cast<std::size_t>(SlotNeighbour(slot, columns, rows))]->setFocus(Qt::OtherFocusReason);
}

void PaletteArea::buildMenu(QWidget *window)
{
    pupPalette = new QMenu(window);
    pupPalette->setObjectName(QStringLiteral("pupPalette"));
    SaveColorHere1 = AddPaletteItem(pupPalette, "SaveColorHere1", QStringLiteral("Save Color here"));
    SetasBackground1 = AddPaletteItem(pupPalette, "SetasBackground1", QStringLiteral("Set as Active Color"));
    SetasTextColor1 = AddPaletteItem(pupPalette, "SetasTextColor1", QStringLiteral("Set as Text Color"));
    Copy1 = AddPaletteItem(pupPalette, "Copy1", QStringLiteral("Copy Color Description"));
    guard.connect(SaveColorHere1, &QAction::triggered, this, [this] { SaveColorHere1Click(); });
    guard.connect(SetasBackground1, &QAction::triggered, this, [this] { SetasBackground1Click(); });
    guard.connect(SetasTextColor1, &QAction::triggered, this, [this] { SetasTextColor1Click(); });
    guard.connect(Copy1, &QAction::triggered, this, [this] { Copy1Click(); });
}

void PaletteArea::setVisible(bool visible)
{
    pnlPalette->setVisible(visible);
}

std::vector<PropertyBinding> PaletteArea::storedProperties()
{
    std::vector<PropertyBinding> rows;
    for (std::size_t k = 0; k < mempan.size(); ++k) {
        PaletteSlotPanel *slot = mempan[k];
        rows.push_back(
            {SlotPropertyNames[k], [slot] { return StoredValue(std::int64_t{slot->color()}); },
             [slot](const StoredValue &value) { slot->setColor(static_cast<TColor>(std::get<std::int64_t>(value))); }});
    }
    // A slot's name is part of the palette: it comes back with its colour.
    for (std::size_t k = 0; k < mempan.size(); ++k) {
        PaletteSlotPanel *slot = mempan[k];
        rows.push_back({SlotNamePropertyNames[k], [slot] { return StoredValue(slot->colorName().toStdString()); },
                        [slot](const StoredValue &value) {
                            slot->setNamedColor(slot->color(), QString::fromStdString(std::get<std::string>(value)));
                        }});
    }
    return rows;
}

void PaletteArea::setHintsShown(bool shown)
{
    for (PaletteSlotPanel *slot : mempan)
        slot->ShowHint = shown;
}

void PaletteArea::setTextColorItemEnabled(bool enabled)
{
    SetasTextColor1->setEnabled(enabled);
}

void PaletteArea::mempan3MouseDown(PaletteSlotPanel *sender, Qt::MouseButton button)
{
    if (button == Qt::LeftButton) {
        pipeline.changeColor(sender->color());
    } else if (button == Qt::MiddleButton) {
        storeColorInSlot(sender);
        pipeline.redrawFrame();
    }
}

void PaletteArea::mempan3DblClick()
{
    codes.copyCode();
}

void PaletteArea::mempan4MouseMove()
{
    SetHint(mempan[0]);
}

void PaletteArea::SaveColorHere1Click()
{
    if (pupPaletteSlot)
        storeColorInSlot(pupPaletteSlot);
}

// Not recorded for undo: the colour before it cannot be brought back.
void PaletteArea::SetasBackground1Click()
{
    if (pupPaletteSlot)
        pipeline.applyColor(pupPaletteSlot->color());
}

void PaletteArea::SetasTextColor1Click()
{
    if (pupPaletteSlot)
        emit textColorChosen(pupPaletteSlot->color());
}

void PaletteArea::Copy1Click()
{
    if (pupPaletteSlot)
        QGuiApplication::clipboard()->setText(codes.getcolorstring(pupPaletteSlot->color()));
}

void PaletteArea::storeColorInSlot(PaletteSlotPanel *slot)
{
    const TColor old = slot->color();
    slot->setColor(pipeline.color());
    if (old != slot->color()) {
        // Only a palette that came from a file can stop matching it.
        if (!mpalette.isEmpty())
            mpalettechanged = true;
        SetHint(slot);
    }
    lblpalettechanged->setVisible(mpalettechanged);
}

void PaletteArea::SetHint(PaletteSlotPanel *sender)
{
    const TColor color = sender->color();
    const std::string hint =
        SlotHint(codes.getcolorstring(color).toStdString(), namedEntries(), color, sender->colorName().toStdString());
    sender->setToolTip(QString::fromStdString(hint));
}

void PaletteArea::rebuildPaletteHints()
{
    for (PaletteSlotPanel *slot : mempan)
        SetHint(slot);
}

void PaletteArea::showPaletteName(const QString &name)
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

QString PaletteArea::storedPaletteName() const
{
    return mpalettechanged ? QString() : mpalette;
}

Palette PaletteArea::paletteColors() const
{
    Palette colors{};
    for (std::size_t k = 0; k < colors.size(); ++k)
        colors[k] = mempan[k]->color();
    return colors;
}

void PaletteArea::setPaletteColors(const Palette &colors)
{
    for (std::size_t k = 0; k < colors.size(); ++k)
        mempan[k]->setColor(colors[k]);
}

SwatchPalette PaletteArea::paletteSwatches() const
{
    // The panel shows two rows of eight; GIMP shows them alike.
    SwatchPalette palette{{}, PaletteSlotCount / 2, {}};
    for (const PaletteSlotPanel *slot : mempan)
        palette.swatches.push_back({slot->color(), slot->colorName().toStdString()});
    return palette;
}

void PaletteArea::setSwatches(std::span<const Swatch> swatches)
{
    for (std::size_t k = 0; k < mempan.size() && k < swatches.size(); ++k)
        mempan[k]->setNamedColor(swatches[k].color, QString::fromStdString(swatches[k].name));
}

} // namespace pigmentrix
