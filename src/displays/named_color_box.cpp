#include "displays/named_color_box.h"

#include "displays/named_color_item.h"
#include "displays/named_color_list_model.h"

#include <QListView>
#include <QPainter>
#include <QScrollBar>
#include <QStylePainter>

#include <algorithm>
#include <cstdint>
#include <utility>

namespace pigmentrix {
namespace {

// Names point into the tables, so the same names in another order give the
// same key: re-sorting needs no new measuring of the names.
std::size_t NameSetKey(std::span<const RColor> entries)
{
    std::size_t key = entries.size();
    for (const RColor &entry : entries)
        key += reinterpret_cast<std::uintptr_t>(entry.Name.data()) ^ entry.Name.size();
    return key;
}

QImage DrawEntry(const QModelIndex &index, const QRect &rect, int buttonWidth, const QPalette &palette, bool selected,
                 const QFont &font, qreal devicePixelRatio)
{
    NamedColorItemParams params;
    params.rect = rect;
    params.buttonWidth = buttonWidth;
    params.background = selected ? palette.color(QPalette::Highlight) : palette.color(QPalette::Base);
    params.text = selected ? palette.color(QPalette::HighlightedText) : palette.color(QPalette::Text);
    params.value = index.data(NamedColorListModel::ValueRole).toInt();
    params.name = index.data(Qt::DisplayRole).toString();
    params.font = font;
    params.devicePixelRatio = devicePixelRatio;
    return DrawNamedColorItem(params);
}

} // namespace

NamedColorDelegate::NamedColorDelegate(std::function<int()> buttonWidth, QObject *parent)
    : QStyledItemDelegate(parent)
    , buttonWidth(std::move(buttonWidth))
{
}

void NamedColorDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    painter->drawImage(option.rect.topLeft(), DrawEntry(index, option.rect, buttonWidth(), option.palette, selected,
                                                        option.font, painter->device()->devicePixelRatioF()));
}

QSize NamedColorDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const int textWidth = option.fontMetrics.horizontalAdvance(index.data(Qt::DisplayRole).toString());
    return {buttonWidth() + 2 + textWidth + 4, NamedColorItemHeight};
}

NamedColorBox::NamedColorBox(std::function<int()> buttonWidth, QWidget *parent)
    : QComboBox(parent)
    , buttonWidth(buttonWidth)
    , entryModel(new NamedColorListModel(this))
{
    setModel(entryModel);
    setItemDelegate(new NamedColorDelegate(std::move(buttonWidth), this));
    // A plain scrolling list rather than a menu-like popup as tall as the
    // screen, so that the number of visible entries holds.
    setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    // Every entry has the same height, so the long list opens without
    // measuring each row.
    if (auto *list = qobject_cast<QListView *>(view()))
        list->setUniformItemSizes(true);
}

std::span<const RColor> NamedColorBox::entries() const
{
    return entryModel->entries();
}

void NamedColorBox::setEntries(TRColorArray entries)
{
    const std::size_t key = NameSetKey(entries);
    if (key != nameSetKey) {
        nameSetKey = key;
        entriesWidth = -1;
    }
    entryModel->setEntries(std::move(entries));
    setCurrentIndex(-1);
}

int NamedColorBox::widestEntry() const
{
    QStyleOptionViewItem option;
    option.initFrom(view());
    int widest = 0;
    for (int row = 0; row < count(); ++row)
        widest = std::max(
            widest, itemDelegate()->sizeHint(option, model()->index(row, modelColumn(), rootModelIndex())).width());
    return widest;
}

void NamedColorBox::showPopup()
{
    if (entriesWidth < 0)
        entriesWidth = widestEntry();
    const int frame = 2 * view()->frameWidth();
    view()->setMinimumWidth(std::max(width(), entriesWidth + view()->verticalScrollBar()->sizeHint().width() + frame));
    QComboBox::showPopup();
}

void NamedColorBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);

    const int index = currentIndex();
    if (index < 0)
        return;
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    painter.drawImage(field.topLeft(), DrawEntry(model()->index(index, modelColumn(), rootModelIndex()), field,
                                                 buttonWidth(), palette(), hasFocus(), font(), devicePixelRatioF()));
}

} // namespace pigmentrix
