// The rows of a list box, kept as Windows-1250 text in a RowStore and shown
// through Qt's model/view: a view converts only the rows it paints. Rows
// appended in a burst are announced to the views together, at the events
// processed a moment later (at most ten times a second), or before anything
// else changes the rows: a view's bookkeeping grows with the length of the
// list, so a million rows must not cost a million announcements.
#pragma once

#include <QAbstractListModel>
#include <QElapsedTimer>
#include <QTimer>
#include <string_view>

#include "platform/row_store.h"

namespace zbk {

class RowModel : public QAbstractListModel {
 public:
  RowModel();

  // The rows announced so far.
  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  // Every row, announced or not.
  const RowStore& rows() const { return rows_; }
  int size() const { return rows_.size(); }
  // The length of the longest row added or replaced since the last Clear,
  // in characters (Windows-1250 has one byte a character). Kept as rows
  // come, so it costs nothing to ask.
  int widest() const { return widest_; }

  // Appends a row; views learn of it at the next FlushAppended.
  void Append(std::string_view row) { Append(row, {}); }
  // Appends the row made of `head` followed by `tail`.
  void Append(std::string_view head, std::string_view tail);
  // Announces the appended rows now.
  void FlushAppended();
  void Insert(int at, std::string_view row);
  void Replace(int index, std::string_view row);
  void Clear();
  // Sorts the rows, stable, in the order of sorted list boxes.
  void Sort();

 private:
  void Widen(std::size_t length);

  RowStore rows_;
  int announced_ = 0;
  int widest_ = 0;
  QTimer flush_timer_;
  QElapsedTimer since_flush_;
};

}  // namespace zbk
