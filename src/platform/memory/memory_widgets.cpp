#include "platform/memory/memory_widgets.h"

namespace zbk {
void MemoryListBox::Clear() {
  rows_.Clear();
  selected_ = -1;
}

void MemoryListBox::AddJoined(std::string_view head, std::string_view tail) {
  if (!sorted_) {
    rows_.Append(head, tail);
    return;
  }
  const std::string_view row = tail.empty() ? head : joined_.assign(head).append(tail);
  const int index = rows_.SortedPlace(row);
  rows_.Insert(index, row);
  if (selected_ >= index) ++selected_;  // the selection stays on its row
}

std::string MemoryListBox::Row(int index) const {
  if (index < 0 || index >= Count()) return {};
  return std::string(rows_[index]);
}

void MemoryListBox::Replace(int index, std::string_view row) {
  if (index < 0 || index >= Count()) return;
  rows_.Replace(index, row);
}

std::vector<std::string> MemoryListBox::rows() const {
  std::vector<std::string> rows;
  rows.reserve(static_cast<std::size_t>(rows_.size()));
  for (int i = 0; i < rows_.size(); ++i) rows.emplace_back(rows_[i]);
  return rows;
}

void MemoryListBox::Select(int index) {
  selected_ = (index >= 0 && index < Count()) ? index : -1;
}

void MemoryListBox::SetSorted(bool on) {
  if (on && !sorted_) rows_.Sort();
  sorted_ = on;
}

}  // namespace zbk
