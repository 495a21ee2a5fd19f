// The rows of a list box in blocks of text: each row is a place and a
// length in a block, so a million rows are a few hundred allocations, not a
// million, and sorting or inserting moves 16-byte places, not strings. The
// blocks never move: growing the store copies no text. Replaced rows leave
// their old text behind until that waste outweighs the rows in use.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zbk {

class RowStore {
 public:
  int size() const { return static_cast<int>(spans_.size()); }
  std::string_view operator[](int i) const { return Text(spans_[static_cast<std::size_t>(i)]); }

  void Append(std::string_view row);
  void Insert(int at, std::string_view row);
  void Replace(int i, std::string_view row);
  void Clear();
  // Stable sort by `less` on the rows' texts.
  template <typename Less>
  void StableSort(Less less);
  // The index of the first row that `row` is less than: where a row goes in
  // a store sorted by `less`, after the rows equal to it.
  template <typename Less>
  int UpperBound(std::string_view row, Less less) const;

 private:
  struct Span {
    std::uint32_t block;
    std::uint32_t at;
    std::uint32_t size;
  };
  struct Block {
    std::unique_ptr<char[]> text;
    std::size_t size = 0;  // bytes in use
    std::size_t capacity = 0;
  };

  std::string_view Text(const Span& span) const {
    return {blocks_[span.block].text.get() + span.at, span.size};
  }
  Span Store(std::string_view row);
  void Compact();

  std::vector<Block> blocks_;
  std::vector<Span> spans_;
  std::size_t used_ = 0;  // bytes of text in use or wasted, all blocks
  std::size_t waste_ = 0;
};

template <typename Less>
void RowStore::StableSort(Less less) {
  std::stable_sort(spans_.begin(), spans_.end(),
                   [&](const Span& a, const Span& b) { return less(Text(a), Text(b)); });
}

template <typename Less>
int RowStore::UpperBound(std::string_view row, Less less) const {
  const auto at = std::upper_bound(
      spans_.begin(), spans_.end(), row,
      [&](std::string_view value, const Span& span) { return less(value, Text(span)); });
  return static_cast<int>(at - spans_.begin());
}

}  // namespace zbk
