#pragma once

#include "model/named_color_order.h"

#include <QAbstractListModel>

#include <span>

namespace pigmentrix {

// One entry of the named-colour list: a copy of one table row.
using TRColor = RColor;

// The entries behind cbxColors. The list shows each entry's Name; the
// colour is available under ValueRole. Refilling replaces every entry at once.
class NamedColorListModel final : public QAbstractListModel {
public:
    static constexpr int ValueRole = Qt::UserRole;

    using QAbstractListModel::QAbstractListModel;

    void setEntries(TRColorArray entries);
    std::span<const TRColor> entries() const { return list; }

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    TRColorArray list;
};

// The name for display. The tables live for the whole run, so the text is
// shared rather than copied.
QString NameText(std::u16string_view name);

} // namespace pigmentrix
