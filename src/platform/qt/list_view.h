// The view of a list box: one column of rows 19 pixels high inside a
// sunken 2-pixel border, single selection, no headers and no grid. A table
// view rather than a list view, because a list view lays out every row
// again after each insertion, which a list of a million rows cannot afford.
//
// A view that scrolls sideways makes its column as wide as the longest row
// its RowModel has seen (the font has a fixed pitch), so a long row can be
// read to its end; otherwise long rows are cut at the right edge. Ctrl+C
// copies the selected row to the clipboard.
#pragma once

#include <QTableView>

namespace zbk {

class ListView : public QTableView {
 public:
  explicit ListView(QWidget* parent);

  void SetScrollsSideways(bool on);

 protected:
  // Home and End go to the first and the last row.
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void rowsInserted(const QModelIndex& parent, int start, int end) override;
  void dataChanged(const QModelIndex& top_left, const QModelIndex& bottom_right,
                   const QList<int>& roles) override;
  void reset() override;

 private:
  void FitColumn();
  void CopySelectedRow() const;

  bool sideways_ = false;
};

}  // namespace zbk
