#pragma once

#include <QAbstractListModel>
#include <QStringList>

namespace fw::detail {

/// @brief The rows of a Listbox: full texts kept for reading, shortened copies displayed.
///
/// Appended rows are stored at once but announced to the views together: at the next turn
/// of the event loop, or earlier when the owner calls Announce. Adding the rows of a long
/// file one by one thus costs one insertion in the views, not one per row. Until announced,
/// rows are not in the model: rowCount, index and data know the announced rows only.
class ListboxModel : public QAbstractListModel {
    Q_OBJECT

  public:
    /// Characters of a row shown at most; longer rows end in an ellipsis on screen.
    static constexpr qsizetype DisplayLimit = 300;

    using QAbstractListModel::QAbstractListModel;

    /// The rows the views know of.
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    void Append(const QString& text);
    /// Tells the views of the rows appended since they last heard; call it before asking
    /// for the index of a row that may be new.
    void Announce();
    void Clear();
    const QString& Row(int row) const { return rows_.at(row); }
    /// Every row, announced or not.
    int Count() const { return static_cast<int>(rows_.size()); }

  private:
    QStringList rows_;
    int announced_ = 0;
    bool announcementPosted_ = false;
};

} // namespace fw::detail
