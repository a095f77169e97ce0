#pragma once

#include <QAbstractItemDelegate>
#include <QPointer>

namespace pigmentrix {

// Draws a list's rows as its own delegate does, with a line above one row:
// the first of a group (the user's formats after the built-in notations).
// The line is no row of its own, so the rows keep their numbers.
class GroupBreakDelegate : public QAbstractItemDelegate {
    Q_OBJECT

public:
    // inner draws the rows; the line comes above row firstOfGroup.
    GroupBreakDelegate(QAbstractItemDelegate *inner, int firstOfGroup, QObject *parent);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // The height the line takes above its row.
    static constexpr int Gap = 7;

private:
    QPointer<QAbstractItemDelegate> inner;
    int firstOfGroup;
};

} // namespace pigmentrix
