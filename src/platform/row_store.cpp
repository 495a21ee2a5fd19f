#include "platform/row_store.h"

#include <algorithm>
#include <cstring>

#include "platform/list_order.h"

namespace zbk {
namespace {

constexpr std::size_t kBlock = std::size_t{1} << 20;

}  // namespace

RowStore::Span RowStore::Store(std::string_view row) {
  // A row of this store stays where it is: blocks never move.
  if (blocks_.empty() || blocks_.back().capacity - blocks_.back().size < row.size()) {
    Block block;
    block.capacity = std::max(kBlock, row.size());
    block.text = std::make_unique_for_overwrite<char[]>(block.capacity);
    blocks_.push_back(std::move(block));
  }
  Block& block = blocks_.back();
  const Span span{static_cast<std::uint32_t>(blocks_.size() - 1),
                  static_cast<std::uint32_t>(block.size), static_cast<std::uint32_t>(row.size())};
  if (!row.empty()) std::memcpy(block.text.get() + block.size, row.data(), row.size());
  block.size += row.size();
  used_ += row.size();
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
    std::memmove(blocks_[span.block].text.get() + span.at, row.data(), row.size());
    waste_ += span.size - row.size();
    span.size = static_cast<std::uint32_t>(row.size());
    return;
  }
  waste_ += span.size;
  span = Store(row);
  if (waste_ > used_ / 2 && waste_ > 4096) Compact();
}

void RowStore::Clear() {
  blocks_.clear();
  spans_.clear();
  used_ = 0;
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
  std::vector<Block> old = std::move(blocks_);
  blocks_.clear();
  used_ = 0;
  waste_ = 0;
  for (Span& span : spans_) {
    span = Store({old[span.block].text.get() + span.at, span.size});
  }
}

}  // namespace zbk
