#include "platform/memory/memory_widgets.h"

#include <algorithm>

#include "platform/list_order.h"

namespace zbk {
namespace {

bool RowLess(const std::string& a, const std::string& b) {
  return ListRowLess(a, b);
}

}  // namespace

void MemoryListBox::Clear() {
  rows_.clear();
  selected_ = -1;
}

void MemoryListBox::Add(std::string_view row) {
  if (!sorted_) {
    rows_.emplace_back(row);
    return;
  }
  const std::string text(row);
  const auto at = std::upper_bound(rows_.begin(), rows_.end(), text, RowLess);
  const auto index = static_cast<int>(at - rows_.begin());
  rows_.insert(at, text);
  if (selected_ >= index) ++selected_;  // the selection stays on its row
}

std::string MemoryListBox::Row(int index) const {
  if (index < 0 || index >= Count()) return {};
  return rows_[static_cast<std::size_t>(index)];
}

void MemoryListBox::Replace(int index, std::string_view row) {
  if (index < 0 || index >= Count()) return;
  rows_[static_cast<std::size_t>(index)] = row;
}

void MemoryListBox::Select(int index) {
  selected_ = (index >= 0 && index < Count()) ? index : -1;
}

void MemoryListBox::SetSorted(bool on) {
  if (on && !sorted_) std::stable_sort(rows_.begin(), rows_.end(), RowLess);
  sorted_ = on;
}

}  // namespace zbk
