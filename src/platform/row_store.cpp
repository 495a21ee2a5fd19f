#include "platform/row_store.h"

#include <algorithm>

#include "platform/list_order.h"

namespace zbk {

RowStore::Span RowStore::Store(std::string_view row) {
  if (row.data() >= text_.data() && row.data() < text_.data() + text_.size()) {
    return Store(std::string(row));  // a row of this store: the block may move
  }
  const Span span{text_.size(), static_cast<std::uint32_t>(row.size())};
  text_.append(row);
  return span;
}

void RowStore::Append(std::string_view row) {
  spans_.push_back(Store(row));
}

void RowStore::Insert(int at, std::string_view row) {
  spans_.insert(spans_.begin() + at, Store(row));
}

void RowStore::Replace(int i, std::string_view row) {
  Span& span = spans_[static_cast<std::size_t>(i)];
  if (row.size() <= span.size) {
    text_.replace(span.at, row.size(), row);
    waste_ += span.size - row.size();
    span.size = static_cast<std::uint32_t>(row.size());
    return;
  }
  waste_ += span.size;
  span = Store(row);
  if (waste_ > text_.size() / 2 && waste_ > 4096) Compact();
}

void RowStore::Clear() {
  text_.clear();
  spans_.clear();
  waste_ = 0;
}

void RowStore::Sort() {
  std::stable_sort(spans_.begin(), spans_.end(),
                   [this](const Span& a, const Span& b) { return ListRowLess(Text(a), Text(b)); });
}

int RowStore::SortedPlace(std::string_view row) const {
  const auto at = std::upper_bound(
      spans_.begin(), spans_.end(), row,
      [this](std::string_view value, const Span& span) { return ListRowLess(value, Text(span)); });
  return static_cast<int>(at - spans_.begin());
}

void RowStore::Compact() {
  std::string text;
  text.reserve(text_.size() - waste_);
  for (Span& span : spans_) {
    const std::uint64_t at = text.size();
    text.append(text_, span.at, span.size);
    span.at = at;
  }
  text_ = std::move(text);
  waste_ = 0;
}

}  // namespace zbk
