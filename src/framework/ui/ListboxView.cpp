#include "ListboxView.h"

#include <QMouseEvent>

namespace fw::detail {

ListboxView::ListboxView(QWidget* parent) : QListView(parent)
{
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTextElideMode(Qt::ElideRight);
}

bool ListboxView::offerCellClick(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    const QModelIndex index = indexAt(at);
    if (!index.isValid() || !cellClick_) {
        return false;
    }
    const QPoint inCell = at - visualRect(index).topLeft();
    return cellClick_(index.row(), 0, inCell.x(), inCell.y());
}

void ListboxView::mousePressEvent(QMouseEvent* event)
{
    if (offerCellClick(event)) {
        event->accept();
        return;
    }
    QListView::mousePressEvent(event);
}

void ListboxView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (offerCellClick(event)) {
        event->accept();
        return;
    }
    QListView::mouseDoubleClickEvent(event);
}

} // namespace fw::detail
