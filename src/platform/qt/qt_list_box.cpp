#include "platform/qt/qt_list_box.h"

#include <QItemSelectionModel>

namespace zbk {

QtListBox::QtListBox(ListView& view, std::function<void()> focus)
    : view_(view), focus_(std::move(focus)) {
  view_.setModel(&model_);
}

void QtListBox::Clear() {
  model_.Clear();
}

void QtListBox::AddJoined(std::string_view head, std::string_view tail) {
  if (!sorted_) {
    model_.Append(head, tail);
    return;
  }
  const std::string_view row = tail.empty() ? head : joined_.assign(head).append(tail);
  model_.Insert(model_.rows().SortedPlace(row), row);
}

std::string QtListBox::Row(int index) const {
  return Valid(index) ? std::string(model_.rows()[index]) : std::string();
}

void QtListBox::Replace(int index, std::string_view row) {
  if (Valid(index)) model_.Replace(index, row);
}

int QtListBox::Selected() const {
  const QModelIndexList selected = view_.selectionModel()->selectedIndexes();
  return selected.isEmpty() ? -1 : selected.first().row();
}

void QtListBox::Select(int index) {
  model_.FlushAppended();
  QItemSelectionModel& selection = *view_.selectionModel();
  if (!Valid(index)) {
    selection.clear();
    return;
  }
  const QModelIndex at = model_.index(index);
  selection.setCurrentIndex(at, QItemSelectionModel::ClearAndSelect);
  view_.scrollTo(at);
}

void QtListBox::SetSorted(bool on) {
  if (on && !sorted_) {
    const int selected = Selected();
    model_.Sort();
    if (selected >= 0) Select(selected);
  }
  sorted_ = on;
}

}  // namespace zbk
