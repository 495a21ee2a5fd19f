// The rows of a list box, kept as Windows-1250 bytes and shown through Qt's
// model/view: a view converts only the rows it paints. Rows appended in a
// burst are announced to the views together, once control gets back to the
// event loop (or before anything else changes the rows), so a million
// appends do not cost a million notifications.
#pragma once

#include <QAbstractListModel>
#include <string>
#include <string_view>
#include <vector>

namespace zbk {

class RowModel : public QAbstractListModel {
 public:
  // The rows announced so far.
  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  // Every row, announced or not.
  const std::vector<std::string>& rows() const { return rows_; }
  int size() const { return static_cast<int>(rows_.size()); }

  // Appends a row; views learn of it at the next FlushAppended.
  void Append(std::string_view row);
  // Announces the appended rows now.
  void FlushAppended();
  void Insert(int at, std::string_view row);
  void Replace(int index, std::string_view row);
  void Clear();
  // Sorts the rows, stable, in the order of sorted list boxes.
  void Sort();

 private:
  std::vector<std::string> rows_;
  int announced_ = 0;
  bool flush_posted_ = false;
};

}  // namespace zbk
