#include "ListboxModel.h"

namespace fw::detail {

int ListboxModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Count();
}

QVariant ListboxModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= Count() || role != Qt::DisplayRole) {
        return {};
    }
    const QString& text = rows_.at(index.row());
    if (text.size() <= DisplayLimit) {
        return text;
    }
    // A huge row would make every layout of the list crawl; show its beginning only.
    qsizetype cut = DisplayLimit;
    if (text.at(cut - 1).isHighSurrogate()) {
        --cut;
    }
    return QString(text.left(cut) + QChar(0x2026));
}

void ListboxModel::Append(const QString& text)
{
    const int row = Count();
    beginInsertRows(QModelIndex(), row, row);
    rows_.append(text);
    endInsertRows();
}

void ListboxModel::Clear()
{
    beginResetModel();
    rows_.clear();
    endResetModel();
}

} // namespace fw::detail
