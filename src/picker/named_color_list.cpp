// The named-colour list (cbxColors), its pop-up menu and the menu's mirror in
// the main menu's "Color List".
#include "picker/color_pick_window.h"

#include "displays/tracker.h"
#include "model/integer_text.h"
#include "model/named_color_order.h"
#include "picker/color_frame_panel.h"
#include "picker/menu_mirror.h"
#include "picker/named_color_box.h"
#include "picker/named_color_list_model.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

namespace pigmentrix {
namespace {

constexpr int SortGroup = 28;
constexpr int HtmlListGroup = 29;

std::int64_t TagOf(const QAction *item)
{
    return item->data().toLongLong();
}

QAction *AddListItem(QMenu *menu, const char *name, const QString &caption, std::int64_t tag, int group)
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    item->setData(QVariant::fromValue<qint64>(tag));
    item->setCheckable(true);
    item->setProperty("GroupIndex", group);
    return item;
}

void AddSeparator(QMenu *menu, const char *name, int group)
{
    QAction *separator = menu->addSeparator();
    separator->setObjectName(QString::fromLatin1(name));
    if (group != 0)
        separator->setProperty("GroupIndex", group);
}

int BoxNumber(const QLineEdit *box)
{
    return StrToIntOrZero(box->text().toStdString());
}

} // namespace

void TfrmColorPick::buildNamedColorList()
{
    lblHTMLColor = new QLabel(QStringLiteral("Names"), pnlHTMLColor);
    lblHTMLColor->setObjectName(QStringLiteral("lblHTMLColor"));
    lblHTMLColor->move(6, 8);
    lblHTMLColor->adjustSize();

    cbxColors = new NamedColorBox([this] { return btnUndo->width(); }, pnlHTMLColor);
    cbxColors->setObjectName(QStringLiteral("cbxColors"));
    cbxColors->setGeometry(51, 4, 197, 22);
    cbxColors->setMaxVisibleItems(16);
    cbxColors->setCurrentIndex(-1);
    cbxColors->setContextMenuPolicy(Qt::CustomContextMenu);
}

void TfrmColorPick::buildNamedColorMenu()
{
    mnuClosestColor = new QMenu(this);
    mnuClosestColor->setObjectName(QStringLiteral("mnuClosestColor"));
    FindClosestColor1 = mnuClosestColor->addAction(QStringLiteral("Find Closest Named Color"));
    FindClosestColor1->setObjectName(QStringLiteral("FindClosestColor1"));
    FindClosestColor1->setData(QVariant::fromValue<qint64>(SortByName));
    AddSeparator(mnuClosestColor, "N8", 0);
    SortbyName1 = AddListItem(mnuClosestColor, "SortbyName1", QStringLiteral("Sort by Name"), SortByName, SortGroup);
    SortbySimilarity1 = AddListItem(mnuClosestColor, "SortbySimilarity1", QStringLiteral("Sort by Similarity"),
                                    SortBySimilarity, SortGroup);
    AddSeparator(mnuClosestColor, "N10", SortGroup);
    SortbyHue1 = AddListItem(mnuClosestColor, "SortbyHue1", QStringLiteral("Sort by Hue"), SortByHue, SortGroup);
    SortbySaturation1 = AddListItem(mnuClosestColor, "SortbySaturation1", QStringLiteral("Sort by Saturation"),
                                    SortBySaturation, SortGroup);
    SortbyValue1 = AddListItem(mnuClosestColor, "SortbyValue1", QStringLiteral("Sort by Value"), SortByValue, SortGroup);
    AddSeparator(mnuClosestColor, "N9", SortGroup);
    SortbyRed1 = AddListItem(mnuClosestColor, "SortbyRed1", QStringLiteral("Sort by Red"), SortByRed, SortGroup);
    SortbyGreen1 = AddListItem(mnuClosestColor, "SortbyGreen1", QStringLiteral("Sort by Green"), SortByGreen, SortGroup);
    SortbyBlue1 = AddListItem(mnuClosestColor, "SortbyBlue1", QStringLiteral("Sort by Blue"), SortByBlue, SortGroup);
    SortbyBrightness1 = AddListItem(mnuClosestColor, "SortbyBrightness1", QStringLiteral("Sort by Brightness"),
                                    SortByBrightness, SortGroup);
    AddSeparator(mnuClosestColor, "N12", SortGroup);
    // Its Tag is not an order code.
    Showonlyhtmlcolors = AddListItem(mnuClosestColor, "Showonlyhtmlcolors", QStringLiteral("Show only HTML Colors"), 8,
                                     HtmlListGroup);

    for (QAction *item : mnuClosestColor->actions())
        wireNamedColorMenuItem(item, item);

    connect(cbxColors, &QComboBox::activated, this, [this] { runGuarded([this] { cbxColorsChange(); }); });
    connect(cbxColors, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { mnuClosestColor->popup(cbxColors->mapToGlobal(at)); });
}

void TfrmColorPick::wireNamedColorMenuItem(QAction *source, QAction *item)
{
    if (source == FindClosestColor1) {
        connect(item, &QAction::triggered, this, [this] { runGuarded([this] { FindClosestColor1Click(); }); });
    } else if (source == Showonlyhtmlcolors) {
        connect(item, &QAction::triggered, this, [this] { runGuarded([this] { ShowonlyhtmlcolorsClick(); }); });
    } else if (!source->isSeparator()) {
        connect(item, &QAction::triggered, this, [this, item] { runGuarded([this, item] { SortbyHue1Click(item); }); });
    }
}

void TfrmColorPick::mirrorNamedColorMenu()
{
    const MirrorWiring wire = [this](QAction *source, QAction *copy) { wireNamedColorMenuItem(source, copy); };
    for (QAction *item : mnuClosestColor->actions())
        MirrorMenuItem(item, ColorList1, this, wire);
}

std::array<QAction *, 9> TfrmColorPick::sortItems() const
{
    return {SortbyHue1, SortbySaturation1, SortbyValue1, SortbyRed1, SortbyGreen1,
            SortbyBlue1, SortbyBrightness1, SortbyName1, SortbySimilarity1};
}

std::span<const RColor> TfrmColorPick::namedColorEntries() const
{
    return cbxColors->entries();
}

std::int64_t TfrmColorPick::sortOrderInForce() const
{
    return TagOf(FindClosestColor1);
}

void TfrmColorPick::setSortOrderInForce(std::int64_t orderCode)
{
    FindClosestColor1->setData(QVariant::fromValue<qint64>(orderCode));
}

void TfrmColorPick::SortbyHue1Click(QAction *sender)
{
    const int selected = cbxColors->currentIndex();
    std::optional<TColor> remembered;
    if (selected >= 0)
        remembered = namedColorEntries()[static_cast<std::size_t>(selected)].Value;

    const std::int64_t orderCode = TagOf(sender);
    const RGBValues reference{scrollbarred->Value(), scrollbarGreen->Value(), scrollbarBlue->Value()};
    TRColorArray list = BuildNamedColorList(bHTMLList, orderCode, reference);

    setSortOrderInForce(orderCode);
    sortorder = orderCode;
    Setsortmenuitems(orderCode);

    cbxColors->setEntries(std::move(list));
    // Selecting from code does not count as a choice: the colour stays.
    cbxColors->setCurrentIndex(SelectionAfterSort(namedColorEntries(), remembered));
}

void TfrmColorPick::Setsortmenuitems(std::int64_t SortValue)
{
    for (QAction *item : sortItems()) {
        const bool checked = TagOf(item) == SortValue;
        item->setChecked(checked);
        if (auto *copy = findChild<QAction *>(item->objectName() + QStringLiteral("_copy")))
            copy->setChecked(checked);
    }
}

void TfrmColorPick::ShowonlyhtmlcolorsClick()
{
    bHTMLList = !bHTMLList;
    Showonlyhtmlcolors->setChecked(bHTMLList);
    if (auto *copy = findChild<QAction *>(QStringLiteral("Showonlyhtmlcolors_copy")))
        copy->setChecked(bHTMLList);
    colorcount = bHTMLList ? HTMLColorCount : NamedColorCount;
    lblHTMLColor->setText(bHTMLList ? QStringLiteral("HTML") : QStringLiteral("Names"));
    lblHTMLColor->adjustSize();
    SortbyHue1Click(FindClosestColor1);
}

void TfrmColorPick::FindClosestColor1Click()
{
    const RGBValues current{BoxNumber(edtRed), BoxNumber(edtGreen), BoxNumber(edtBlue)};
    const int closest = FindClosestColor(namedColorEntries(), current, cbxColors->currentIndex());
    if (closest < 0)
        return;
    cbxColors->setCurrentIndex(closest);
    cbxColorsChange();
}

void TfrmColorPick::cbxColorsChange()
{
    const int selected = cbxColors->currentIndex();
    if (selected < 0)
        return;
    const RColor entry = namedColorEntries()[static_cast<std::size_t>(selected)];
    setnewcolor();
    applyColor(entry.Value);
    cbxColors->setToolTip(NameText(entry.Name));
}

void TfrmColorPick::updateNamedColorSelection()
{
    const int selected = cbxColors->currentIndex();
    const int found = SelectionForColor(namedColorEntries(), selected, pnlColor->Color);
    if (found >= 0 && found == selected)
        return;
    cbxColors->setCurrentIndex(found);
    cbxColors->setToolTip(found >= 0 ? NameText(namedColorEntries()[static_cast<std::size_t>(found)].Name)
                                     : QString());
}

void TfrmColorPick::stepNamedColorList(bool up)
{
    const int selected = cbxColors->currentIndex();
    if (selected < 0)
        return;
    if (up && selected > 0)
        cbxColors->setCurrentIndex(selected - 1);
    else if (!up && selected + 1 < cbxColors->count())
        cbxColors->setCurrentIndex(selected + 1);
    runGuarded([this] { cbxColorsChange(); });
}

} // namespace pigmentrix
