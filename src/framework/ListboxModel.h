#pragma once

#include <QAbstractListModel>
#include <QStringList>

namespace fw::detail {

/// @brief The rows of a Listbox: full texts kept for reading, shortened copies displayed.
class ListboxModel : public QAbstractListModel {
    Q_OBJECT

  public:
    /// Characters of a row shown at most; longer rows end in an ellipsis on screen.
    static constexpr qsizetype DisplayLimit = 300;

    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    void Append(const QString& text);
    void Clear();
    const QString& Row(int row) const { return rows_.at(row); }
    int Count() const { return static_cast<int>(rows_.size()); }

  private:
    QStringList rows_;
};

} // namespace fw::detail
