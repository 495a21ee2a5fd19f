#include "platform/qt/row_model.h"

#include <QMetaObject>
#include <algorithm>

#include "platform/list_order.h"
#include "platform/qt/qt_text.h"

namespace zbk {

int RowModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : announced_;
}

QVariant RowModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= announced_) return {};
  return ToQString(rows_[static_cast<std::size_t>(index.row())]);
}

void RowModel::Append(std::string_view row) {
  rows_.emplace_back(row);
  if (flush_posted_) return;
  flush_posted_ = true;
  QMetaObject::invokeMethod(
      this, [this] { FlushAppended(); }, Qt::QueuedConnection);
}

void RowModel::FlushAppended() {
  flush_posted_ = false;
  if (announced_ == size()) return;
  beginInsertRows(QModelIndex(), announced_, size() - 1);
  announced_ = size();
  endInsertRows();
}

void RowModel::Insert(int at, std::string_view row) {
  FlushAppended();
  beginInsertRows(QModelIndex(), at, at);
  rows_.insert(rows_.begin() + at, std::string(row));
  announced_ = size();
  endInsertRows();
}

void RowModel::Replace(int index, std::string_view row) {
  rows_[static_cast<std::size_t>(index)] = row;
  if (index < announced_) emit dataChanged(this->index(index), this->index(index));
}

void RowModel::Clear() {
  beginResetModel();
  rows_.clear();
  announced_ = 0;
  endResetModel();
}

void RowModel::Sort() {
  beginResetModel();
  std::stable_sort(rows_.begin(), rows_.end(),
                   [](const std::string& a, const std::string& b) { return ListRowLess(a, b); });
  announced_ = size();
  endResetModel();
}

}  // namespace zbk
