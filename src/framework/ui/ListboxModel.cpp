#include "ListboxModel.h"

namespace fw::detail {

int ListboxModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : announced_;
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
