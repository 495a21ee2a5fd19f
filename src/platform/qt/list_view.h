// The view of a list box: one column of rows 19 pixels high inside a
// sunken 2-pixel border, single selection, no headers, no grid and no
// horizontal scrolling; long rows are cut at the right edge. A table view
// rather than a list view, because a list view lays out every row again
// after each insertion, which a list of a million rows cannot afford.
#pragma once

#include <QTableView>

namespace zbk {

class ListView : public QTableView {
 public:
  explicit ListView(QWidget* parent);

 protected:
  // Home and End go to the first and the last row.
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
};

}  // namespace zbk
