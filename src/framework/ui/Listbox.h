#pragma once

#include "Control.h"

#include <QModelIndex>

#include <functional>

namespace fw {

namespace detail {
class ListboxModel;
class ListboxView;
} // namespace detail

/// @brief A single-column list of text rows with at most one selected row.
///
/// Events, bound per instance:
/// - Change: the selected row changed, whatever changed it: the user, ListIndex, Selected,
///   or DeleteAllRows removing a selected row. It is not raised when nothing changed.
/// - CellClick(row, column, x, y): a mouse press on a row, before the list handles it; (x, y)
///   is relative to the cell. Returning True consumes the press, so the list does not see
///   it.
///
/// Rows keep their full text; a very long row is shown shortened, so even a row of many
/// megabytes does not slow the list. Property: ScrollBarVertical (True: shown when needed);
/// ScrollbarHorizontal.
class Listbox : public Control {
  public:
    Listbox(Window& owner, const QString& name);
    ~Listbox() override;

    std::function<void()> Change;
    std::function<bool(int row, int column, int x, int y)> CellClick;

    void AddRow(const QString& text);
    void DeleteAllRows();
    int RowCount() const;
    /// @brief The text of row @p row; raises OutOfBoundsException outside 0..RowCount-1.
    QString Row(int row) const;
    /// @brief The selected row's text; "" when no row is selected.
    QString Text() const;
    /// @brief The selected row, -1 for none.
    int ListIndex() const { return selected_; }
    /// @brief Selects row @p row, or no row for -1; raises OutOfBoundsException for any
    /// other row outside the list.
    void ListIndex(int row);
    bool Selected(int row) const { return row >= 0 && row == selected_; }
    /// @brief Selects or deselects row @p row; a row outside the list (-1 too) does nothing.
    void Selected(int row, bool on);

  protected:
    bool ApplyProperty(const QString& name, const QVariant& value) override;

  private:
    /// The model index of @p row, the rows added so far announced to the view first.
    QModelIndex announcedIndex(int row);
    void syncSelection();

    detail::ListboxView* view_;
    detail::ListboxModel* model_;
    int selected_ = -1;
};

} // namespace fw
