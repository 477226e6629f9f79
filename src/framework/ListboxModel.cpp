#include "ListboxModel.h"

namespace fw::detail {

int ListboxModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : announced_;
}

QModelIndex ListboxModel::index(int row, int column, const QModelIndex& parent) const
{
    if (row >= announced_ && row < Count() && !parent.isValid()) {
        // Asked for by name: the row has to exist for the caller now. The views only ask
        // for rows they know, so they are never told of new rows from inside their paint.
        const_cast<ListboxModel*>(this)->Announce();
    }
    return QAbstractListModel::index(row, column, parent);
}

QVariant ListboxModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= announced_ || role != Qt::DisplayRole) {
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
    rows_.append(text);
    if (!announcementPosted_) {
        announcementPosted_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                announcementPosted_ = false;
                Announce();
            },
            Qt::QueuedConnection);
    }
}

void ListboxModel::Announce()
{
    if (announced_ >= Count()) {
        return;
    }
    beginInsertRows(QModelIndex(), announced_, Count() - 1);
    announced_ = Count();
    endInsertRows();
}

void ListboxModel::Clear()
{
    beginResetModel();
    rows_.clear();
    announced_ = 0;
    endResetModel();
}

} // namespace fw::detail
