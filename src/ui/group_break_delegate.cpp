#include "ui/group_break_delegate.h"

#include <QPainter>
#include <QStyleOptionViewItem>

namespace pigmentrix {

GroupBreakDelegate::GroupBreakDelegate(QAbstractItemDelegate *inner, int firstOfGroup, QObject *parent)
    : QAbstractItemDelegate(parent)
    , inner(inner)
    , firstOfGroup(firstOfGroup)
{
}

void GroupBreakDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (index.row() != firstOfGroup) {
        inner->paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem below(option);
    below.rect.setTop(option.rect.top() + Gap);
    inner->paint(painter, below, index);
    const int y = option.rect.top() + Gap / 2;
    painter->save();
    painter->setPen(option.palette.color(QPalette::Mid));
    painter->drawLine(option.rect.left() + 2, y, option.rect.right() - 2, y);
    painter->restore();
}

QSize GroupBreakDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = inner->sizeHint(option, index);
    if (index.row() == firstOfGroup)
        size.rheight() += Gap;
    return size;
}

} // namespace pigmentrix
