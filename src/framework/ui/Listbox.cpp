#include "Listbox.h"

#include "ListboxModel.h"
#include "ListboxView.h"
#include "Window.h"

#include <QItemSelectionModel>

namespace fw {

Listbox::Listbox(Window& owner, const QString& name)
    : Control(owner, name, new detail::ListboxView(owner.ContentWidget())),
      view_(static_cast<detail::ListboxView*>(Widget())), model_(new detail::ListboxModel(view_))
{
    view_->setModel(model_);
    QObject::connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, view_,
                     [this] { syncSelection(); });
    view_->SetCellClickHook([this](int row, int column, int x, int y) {
        return RaiseEvent(CellClick, row, column, x, y);
    });
}

Listbox::~Listbox()
{
    // No event may reach the handlers while the widgets go away.
    view_->SetCellClickHook(nullptr);
    QObject::disconnect(view_->selectionModel(), nullptr, view_, nullptr);
}

void Listbox::AddRow(const QString& text) { model_->Append(text); }

void Listbox::DeleteAllRows()
{
    model_->Clear();
    syncSelection();
}

int Listbox::RowCount() const { return model_->Count(); }

QString Listbox::Row(int row) const
{
    if (row < 0 || row >= RowCount()) {
        throw OutOfBoundsException(QStringLiteral("Listbox row %1").arg(row));
    }
    return model_->Row(row);
}

QString Listbox::Text() const { return selected_ < 0 ? QString() : model_->Row(selected_); }

void Listbox::ListIndex(int row)
{
    if (row == -1) {
        view_->selectionModel()->clearSelection();
        return;
    }
    if (row < -1 || row >= RowCount()) {
        throw OutOfBoundsException(QStringLiteral("Listbox row %1").arg(row));
    }
    view_->selectionModel()->setCurrentIndex(announcedIndex(row),
                                             QItemSelectionModel::ClearAndSelect);
}

void Listbox::Selected(int row, bool on)
{
    if (row < 0 || row >= RowCount()) {
        return;
    }
    const QModelIndex index = announcedIndex(row);
    view_->selectionModel()->select(index, on ? QItemSelectionModel::ClearAndSelect
                                              : QItemSelectionModel::Deselect);
}

QModelIndex Listbox::announcedIndex(int row)
{
    // A row added since the last turn of the event loop is not in the model yet.
    model_->Announce();
    return model_->index(row);
}

void Listbox::syncSelection()
{
    const QModelIndexList rows = view_->selectionModel()->selectedRows();
    const int now = rows.isEmpty() ? -1 : rows.first().row();
    if (now == selected_) {
        return;
    }
    selected_ = now;
    RaiseEvent(Change);
}

bool Listbox::ApplyProperty(const QString& name, const QVariant& value)
{
    if (IsProperty(name, "ScrollBarVertical")) {
        view_->setVerticalScrollBarPolicy(value.toBool() ? Qt::ScrollBarAsNeeded
                                                         : Qt::ScrollBarAlwaysOff);
        return true;
    }
    if (IsProperty(name, "ScrollbarHorizontal")) {
        view_->setHorizontalScrollBarPolicy(value.toBool() ? Qt::ScrollBarAsNeeded
                                                           : Qt::ScrollBarAlwaysOff);
        return true;
    }
    return false;
}

} // namespace fw
