// The rows of a list box in blocks of text: each row is a place and a
// length in a block, so a million rows are a few hundred allocations, not a
// million, and sorting or inserting moves 16-byte places, not strings. The
// blocks never move: growing the store copies no text. Replaced rows leave
// their old text behind until that waste outweighs the rows in use.
// Sorted, the rows are in the order of sorted list boxes (ListRowLess).
#pragma once

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
  // Sorts the rows, stable.
  void Sort();
  // Where `row` goes among sorted rows: after the rows equal to it.
  int SortedPlace(std::string_view row) const;

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

}  // namespace zbk
