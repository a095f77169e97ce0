// The named-colour list (cbxColors), its pop-up menu and the menu's copy in
// the main menu's "Color List".
#include "displays/named_color_area.h"

#include "displays/named_color_box.h"
#include "displays/named_color_list_model.h"
#include "ui/accessibility.h"
#include "ui/bound_controls.h"
#include "ui/control_factory.h"
#include "ui/error_guard.h"
#include "ui/menu_items.h"
#include "ui/menu_mirror.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

namespace pigmentrix {
namespace {

constexpr int SortGroup = 28;
constexpr int HtmlListGroup = 29;

std::int64_t TagOf(const QAction *item)
{
    return item->data().toLongLong();
}

// The Tag of a sort item, or of FindClosestColor1, is an order code; any
// 64-bit value passes through unchanged.
SortOrder OrderOf(const QAction *item)
{
    return static_cast<SortOrder>(TagOf(item));
}

void SetOrderTag(QAction *item, SortOrder order)
{
    item->setData(QVariant::fromValue<qint64>(static_cast<std::int64_t>(order)));
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

QAction *AddSortItem(QMenu *menu, const char *name, const QString &caption, SortOrder order)
{
    return AddListItem(menu, name, caption, static_cast<std::int64_t>(order), SortGroup);
}

void AddListSeparator(QMenu *menu, const char *name, int group)
{
    QAction *separator = menu->addSeparator();
    separator->setObjectName(QString::fromLatin1(name));
    if (group != 0)
        separator->setProperty("GroupIndex", group);
}

} // namespace

NamedColorArea::NamedColorArea(QWidget *window, RgbSource sliders, RgbSource boxes, std::function<int()> swatchWidth,
                               const ErrorGuard &guard)
    : QObject(window)
    , window(window)
    , sliders(std::move(sliders))
    , boxes(std::move(boxes))
    , guard(guard)
{
    setObjectName(QStringLiteral("namedColorArea"));
    buildList(window, std::move(swatchWidth));
    buildMenu(window);
}

void NamedColorArea::buildList(QWidget *window, std::function<int()> swatchWidth)
{
    pnlHTMLColor = MakePanel(window, "pnlHTMLColor", QRect(3, 249, 252, 30));
    lblHTMLColor = new QLabel(QStringLiteral("Names"), pnlHTMLColor);
    lblHTMLColor->setObjectName(QStringLiteral("lblHTMLColor"));
    lblHTMLColor->move(6, 8);
    lblHTMLColor->adjustSize();

    cbxColors = new NamedColorBox(std::move(swatchWidth), pnlHTMLColor);
    cbxColors->setObjectName(QStringLiteral("cbxColors"));
    // Named before it has items: a screen reader keeps the name it first hears.
    NameControl(cbxColors, QStringLiteral("Named color"), lblHTMLColor);
    cbxColors->setGeometry(51, 4, 197, 22);
    cbxColors->setMaxVisibleItems(16);
    cbxColors->setCurrentIndex(-1);
    cbxColors->setContextMenuPolicy(Qt::CustomContextMenu);
}

void NamedColorArea::buildMenu(QWidget *window)
{
    mnuClosestColor = new QMenu(window);
    mnuClosestColor->setObjectName(QStringLiteral("mnuClosestColor"));
    FindClosestColor1 = mnuClosestColor->addAction(QStringLiteral("Find Closest Named Color"));
    FindClosestColor1->setObjectName(QStringLiteral("FindClosestColor1"));
    SetOrderTag(FindClosestColor1, SortOrder::Name);
    AddListSeparator(mnuClosestColor, "N8", 0);
    SortbyName1 = AddSortItem(mnuClosestColor, "SortbyName1", QStringLiteral("Sort by Name"), SortOrder::Name);
    SortbySimilarity1 =
        AddSortItem(mnuClosestColor, "SortbySimilarity1", QStringLiteral("Sort by Similarity"), SortOrder::Similarity);
    AddListSeparator(mnuClosestColor, "N10", SortGroup);
    SortbyHue1 = AddSortItem(mnuClosestColor, "SortbyHue1", QStringLiteral("Sort by Hue"), SortOrder::Hue);
    SortbySaturation1 =
        AddSortItem(mnuClosestColor, "SortbySaturation1", QStringLiteral("Sort by Saturation"), SortOrder::Saturation);
    SortbyValue1 = AddSortItem(mnuClosestColor, "SortbyValue1", QStringLiteral("Sort by Value"), SortOrder::Value);
    AddListSeparator(mnuClosestColor, "N9", SortGroup);
    SortbyRed1 = AddSortItem(mnuClosestColor, "SortbyRed1", QStringLiteral("Sort by Red"), SortOrder::Red);
    SortbyGreen1 = AddSortItem(mnuClosestColor, "SortbyGreen1", QStringLiteral("Sort by Green"), SortOrder::Green);
    SortbyBlue1 = AddSortItem(mnuClosestColor, "SortbyBlue1", QStringLiteral("Sort by Blue"), SortOrder::Blue);
    SortbyBrightness1 =
        AddSortItem(mnuClosestColor, "SortbyBrightness1", QStringLiteral("Sort by Brightness"), SortOrder::Brightness);
    AddListSeparator(mnuClosestColor, "N12", SortGroup);
    // Its Tag is not an order code.
    Showonlyhtmlcolors =
        AddListItem(mnuClosestColor, "Showonlyhtmlcolors", QStringLiteral("Show only HTML Colors"), 8, HtmlListGroup);

    for (QAction *item : mnuClosestColor->actions())
        wireNamedColorMenuItem(item, item);

    guard.connect(cbxColors, &QComboBox::activated, this, [this] { cbxColorsChange(); });
    guard.connect(cbxColors, &QWidget::customContextMenuRequested, this,
                  [this](const QPoint &at) { mnuClosestColor->popup(cbxColors->mapToGlobal(at)); });
}

void NamedColorArea::addMenu(QMenu *menu)
{
    ColorList1 = AddSubmenu(menu, QStringLiteral("ColorList1"), QStringLiteral("Color List"));
    const MirrorWiring wire = [this](QAction *source, QAction *copy) { wireNamedColorMenuItem(source, copy); };
    for (QAction *item : mnuClosestColor->actions())
        menuCopies.insert(item, MirrorMenuItem(item, ColorList1, window, wire));
}

void NamedColorArea::setChecked(QAction *item, bool checked)
{
    item->setChecked(checked);
    if (QAction *copy = menuCopies.value(item))
        copy->setChecked(checked);
}

void NamedColorArea::wireNamedColorMenuItem(QAction *source, QAction *item)
{
    if (source == FindClosestColor1)
        guard.connect(item, &QAction::triggered, this, [this] { FindClosestColor1Click(); });
    else if (source == Showonlyhtmlcolors)
        guard.connect(item, &QAction::triggered, this, [this] { ShowonlyhtmlcolorsClick(); });
    else if (!source->isSeparator())
        guard.connect(item, &QAction::triggered, this, [this, item] { SortbyHue1Click(item); });
}

std::vector<PropertyBinding> NamedColorArea::storedProperties()
{
    return {
        CheckedRow("Showonlyhtmlcolors_Checked", Showonlyhtmlcolors),
        {"FindClosestColor1_Tag", [this] { return StoredValue(static_cast<std::int64_t>(sortOrderInForce())); },
         [this](const StoredValue &value) {
             setSortOrderInForce(static_cast<SortOrder>(std::get<std::int64_t>(value)));
         }},
    };
}

std::array<QAction *, 9> NamedColorArea::sortItems() const
{
    return {SortbyHue1,  SortbySaturation1, SortbyValue1, SortbyRed1,       SortbyGreen1,
            SortbyBlue1, SortbyBrightness1, SortbyName1,  SortbySimilarity1};
}

std::span<const RColor> NamedColorArea::namedColorEntries() const
{
    return cbxColors->entries();
}

SortOrder NamedColorArea::sortOrderInForce() const
{
    return OrderOf(FindClosestColor1);
}

void NamedColorArea::setSortOrderInForce(SortOrder order)
{
    SetOrderTag(FindClosestColor1, order);
}

void NamedColorArea::rebuildForShow()
{
    bHTMLList = !Showonlyhtmlcolors->isChecked();
    ShowonlyhtmlcolorsClick();
}

void NamedColorArea::SortbyHue1Click(QAction *sender)
{
    const int selected = cbxColors->currentIndex();
    std::optional<TColor> remembered;
    if (selected >= 0)
        remembered = namedColorEntries()[static_cast<std::size_t>(selected)].Value;

    const SortOrder order = OrderOf(sender);
    TRColorArray list = BuildNamedColorList(bHTMLList, order, sliders());

    setSortOrderInForce(order);
    sortorder = order;
    Setsortmenuitems(order);

    cbxColors->setEntries(std::move(list));
    // Selecting from code does not count as a choice: the colour stays.
    cbxColors->setCurrentIndex(SelectionAfterSort(namedColorEntries(), remembered));
}

void NamedColorArea::Setsortmenuitems(SortOrder SortValue)
{
    for (QAction *item : sortItems())
        setChecked(item, OrderOf(item) == SortValue);
}

void NamedColorArea::ShowonlyhtmlcolorsClick()
{
    bHTMLList = !bHTMLList;
    setChecked(Showonlyhtmlcolors, bHTMLList);
    colorcount = bHTMLList ? HTMLColorCount : NamedColorCount;
    lblHTMLColor->setText(bHTMLList ? QStringLiteral("HTML") : QStringLiteral("Names"));
    lblHTMLColor->adjustSize();
    SortbyHue1Click(FindClosestColor1);
}

void NamedColorArea::FindClosestColor1Click()
{
    const int closest = FindClosestColor(namedColorEntries(), boxes(), cbxColors->currentIndex());
    if (closest < 0)
        return;
    cbxColors->setCurrentIndex(closest);
    cbxColorsChange();
}

void NamedColorArea::cbxColorsChange()
{
    const int selected = cbxColors->currentIndex();
    if (selected < 0)
        return;
    const RColor entry = namedColorEntries()[static_cast<std::size_t>(selected)];
    emit colorChosen(entry.Value);
    cbxColors->setToolTip(NameText(entry.Name));
}

void NamedColorArea::updateNamedColorSelection(TColor color)
{
    const int selected = cbxColors->currentIndex();
    const int found = SelectionForColor(namedColorEntries(), selected, color);
    if (found >= 0 && found == selected)
        return;
    cbxColors->setCurrentIndex(found);
    cbxColors->setToolTip(found >= 0 ? NameText(namedColorEntries()[static_cast<std::size_t>(found)].Name) : QString());
}

bool NamedColorArea::stepByWheel(QWidget *target, bool up)
{
    if (target != cbxColors)
        return false;
    stepNamedColorList(up);
    return true;
}

void NamedColorArea::stepNamedColorList(bool up)
{
    // Down from nothing selected takes the first entry.
    const int selected = cbxColors->currentIndex();
    if (up && selected > 0)
        cbxColors->setCurrentIndex(selected - 1);
    else if (!up && selected + 1 < cbxColors->count())
        cbxColors->setCurrentIndex(selected + 1);
    if (cbxColors->currentIndex() >= 0)
        guard.run([this] { cbxColorsChange(); });
}

} // namespace pigmentrix
