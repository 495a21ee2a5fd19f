#include "platform/qt/row_model.h"

#include "platform/qt/qt_text.h"

namespace zbk {
namespace {

constexpr qint64 kFlushInterval = 100;  // milliseconds

}  // namespace

RowModel::RowModel() {
  flush_timer_.setSingleShot(true);
  QObject::connect(&flush_timer_, &QTimer::timeout, this, [this] { FlushAppended(); });
  since_flush_.start();
}

int RowModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : announced_;
}

QVariant RowModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= announced_) return {};
  return ToQString(rows_[index.row()]);
}

void RowModel::Widen(std::size_t length) {
  if (length > static_cast<std::size_t>(widest_)) widest_ = static_cast<int>(length);
}

void RowModel::Append(std::string_view head, std::string_view tail) {
  Widen(head.size() + tail.size());
  rows_.Append(head, tail);
  if (flush_timer_.isActive()) return;
  flush_timer_.start(
      static_cast<int>(std::max<qint64>(0, kFlushInterval - since_flush_.elapsed())));
}

void RowModel::FlushAppended() {
  flush_timer_.stop();
  if (announced_ == size()) return;
  beginInsertRows(QModelIndex(), announced_, size() - 1);
  announced_ = size();
  endInsertRows();
  since_flush_.restart();
}

void RowModel::Insert(int at, std::string_view row) {
  FlushAppended();
  Widen(row.size());
  beginInsertRows(QModelIndex(), at, at);
  rows_.Insert(at, row);
  announced_ = size();
  endInsertRows();
}

void RowModel::Replace(int index, std::string_view row) {
  Widen(row.size());
  rows_.Replace(index, row);
  if (index < announced_) emit dataChanged(this->index(index), this->index(index));
}

void RowModel::Clear() {
  flush_timer_.stop();
  beginResetModel();
  rows_.Clear();
  announced_ = 0;
  widest_ = 0;
  endResetModel();
}

void RowModel::Sort() {
  flush_timer_.stop();
  beginResetModel();
  rows_.Sort();
  announced_ = size();
  endResetModel();
}

}  // namespace zbk
