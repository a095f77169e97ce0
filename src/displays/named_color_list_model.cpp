#include "displays/named_color_list_model.h"

#include <utility>

namespace pigmentrix {

QString NameText(std::u16string_view name)
{
    return QString::fromRawData(reinterpret_cast<const QChar *>(name.data()), static_cast<qsizetype>(name.size()));
}

void NamedColorListModel::setEntries(TRColorArray entries)
{
    beginResetModel();
    list = std::move(entries);
    endResetModel();
}

int NamedColorListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(list.size());
}

QVariant NamedColorListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const TRColor &entry = list[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return NameText(entry.Name);
    case ValueRole: return entry.Value;
    default: return {};
    }
}

} // namespace pigmentrix
