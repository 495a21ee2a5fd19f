#include "platform/row_store.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "listtools/list_order.h"

namespace zbk {
namespace {

// The first two blocks: enough for short lists, such as the drive list.
constexpr std::size_t kFirstBlock = std::size_t{64} << 10;
constexpr std::size_t kSecondBlock = std::size_t{512} << 10;

}  // namespace

void RowStore::Copy(char* to, std::string_view head, std::string_view tail) {
  if (!head.empty()) std::memcpy(to, head.data(), head.size());
  if (!tail.empty()) std::memcpy(to + head.size(), tail.data(), tail.size());
}

RowStore::Span RowStore::StoreInNewBlock(std::string_view head, std::string_view tail) {
  // A row of this store stays where it is: blocks never move, and the rest
  // of the last one is left unused.
  if (blocks_.size() >= Span::kMaxBlocks) throw std::length_error("RowStore: too many blocks");
  const std::size_t size = head.size() + tail.size();
  const bool own = size >= Span::kOwnBlock;
  const std::size_t capacity = own                  ? size
                               : blocks_.empty()    ? kFirstBlock
                               : blocks_.size() < 2 ? kSecondBlock
                                                    : kLargeBlock;
  Block& block = blocks_.emplace_back(Block{MemoryBlock(std::max(capacity, size)), size});
  Copy(block.memory.data(), head, tail);
  used_ += size;
  if (own) {
    next_ = end_ = nullptr;
    return Span(blocks_.size() - 1, 0, Span::kOwnBlock);
  }
  next_ = block.memory.data() + size;
  end_ = block.memory.data() + block.memory.size();
  return Span(blocks_.size() - 1, 0, size);
}

void RowStore::Insert(int at, std::string_view row) {
  spans_.insert(spans_.begin() + at, Store(row, {}));
}

void RowStore::Replace(int i, std::string_view row) {
  Span& span = spans_[static_cast<std::size_t>(i)];
  const std::string_view old = Text(span);
  if (row.size() <= old.size()) {
    char* const at = blocks_[span.block()].memory.data() + span.at();
    if (!row.empty()) std::memmove(at, row.data(), row.size());
    waste_ += old.size() - row.size();
    if (span.size() == Span::kOwnBlock) {
      blocks_[span.block()].used = row.size();
    } else {
      span = Span(span.block(), span.at(), row.size());
    }
    return;
  }
  waste_ += old.size();
  span = Store(row, {});
  if (waste_ > used_ / 2 && waste_ > 4096) Compact();
}

void RowStore::Clear() {
  // Every block goes back, and the places too.
  std::vector<Block>().swap(blocks_);
  decltype(spans_)().swap(spans_);
  next_ = end_ = nullptr;
  used_ = 0;
  waste_ = 0;
}

void RowStore::Sort() {
  std::stable_sort(spans_.begin(), spans_.end(),
                   [this](Span a, Span b) { return ListRowLess(Text(a), Text(b)); });
}

int RowStore::SortedPlace(std::string_view row) const {
  const auto at = std::upper_bound(
      spans_.begin(), spans_.end(), row,
      [this](std::string_view value, Span span) { return ListRowLess(value, Text(span)); });
  return static_cast<int>(at - spans_.begin());
}

void RowStore::Compact() {
  std::vector<Block> old = std::move(blocks_);
  blocks_.clear();
  next_ = end_ = nullptr;
  used_ = 0;
  waste_ = 0;
  for (Span& span : spans_) {
    const Block& block = old[span.block()];
    const std::size_t size = span.size() == Span::kOwnBlock ? block.used : span.size();
    span = Store({block.memory.data() + span.at(), size}, {});
  }
}

}  // namespace zbk
