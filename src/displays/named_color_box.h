#pragma once

#include "model/named_color_order.h"

#include <QComboBox>
#include <QStyledItemDelegate>

#include <cstddef>
#include <functional>
#include <span>

namespace pigmentrix {

class NamedColorListModel;

// Height of one entry of the named-colour list, in logical pixels.
inline constexpr int NamedColorItemHeight = 16;

// Draws each entry of the dropped-down list as a swatch and its name.
// buttonWidth gives the width of the undo button, which decides where every
// swatch ends.
class NamedColorDelegate final : public QStyledItemDelegate {
public:
    NamedColorDelegate(std::function<int()> buttonWidth, QObject *parent);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    std::function<int()> buttonWidth;
};

// The named-colour list: its closed box shows the selected entry drawn the
// same way as in the dropped-down list, which opens wide enough for the
// longest name.
class NamedColorBox final : public QComboBox {
public:
    NamedColorBox(std::function<int()> buttonWidth, QWidget *parent);

    // The entries in list order; refilling replaces them all and leaves
    // nothing selected.
    std::span<const RColor> entries() const;
    void setEntries(TRColorArray entries);

    void showPopup() override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int widestEntry() const;

    std::function<int()> buttonWidth;
    NamedColorListModel *entryModel;
    int entriesWidth = -1; // measured on the first opening after the names changed
    std::size_t nameSetKey = 0;
};

} // namespace pigmentrix
