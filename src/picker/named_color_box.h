#pragma once

#include <QComboBox>
#include <QStyledItemDelegate>

#include <functional>

namespace pigmentrix {

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
// same way as in the dropped-down list.
class NamedColorBox final : public QComboBox {
public:
    NamedColorBox(std::function<int()> buttonWidth, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::function<int()> buttonWidth;
};

} // namespace pigmentrix
