// The rows of a list box in one block of text: each row is a place and a
// length in the block, so a million rows are two allocations, not a million,
// and sorting or inserting moves 16-byte places, not strings. Replaced rows
// leave their old text behind until that waste outweighs the rows in use.
// Sorted, the rows are in the order of sorted list boxes (ListRowLess).
#pragma once

#include <cstdint>
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
    std::uint64_t at;
    std::uint32_t size;
  };

  std::string_view Text(const Span& span) const { return {text_.data() + span.at, span.size}; }
  Span Store(std::string_view row);
  void Compact();

  std::string text_;
  std::vector<Span> spans_;
  std::size_t waste_ = 0;
};

}  // namespace zbk
