#pragma once

#include <QListView>

#include <functional>

namespace fw::detail {

/// @brief The list widget of a Listbox: offers every mouse press on a row to a cell-click
/// hook before the list handles it.
class ListboxView : public QListView {
    Q_OBJECT

  public:
    /// Row, column, and the point relative to the cell; True consumes the press.
    using CellClickHook = std::function<bool(int row, int column, int x, int y)>;

    explicit ListboxView(QWidget* parent);
    void SetCellClickHook(CellClickHook hook) { cellClick_ = std::move(hook); }

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    bool offerCellClick(QMouseEvent* event);

    CellClickHook cellClick_;
};

} // namespace fw::detail
