// The rows of a list box in one block of text: each row is a place and a
// length in the block, so a million rows are two allocations, not a million,
// and sorting or inserting moves 16-byte places, not strings. Replaced rows
// leave their old text behind until that waste outweighs the rows in use.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zbk {

class RowStore {
 public:
  int size() const { return static_cast<int>(spans_.size()); }
  std::string_view operator[](int i) const {
    const Span& span = spans_[static_cast<std::size_t>(i)];
    return {text_.data() + span.at, span.size};
  }

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
    std::uint64_t at;
    std::uint32_t size;
  };

  Span Store(std::string_view row);
  void Compact();

  std::string text_;
  std::vector<Span> spans_;
  std::size_t waste_ = 0;
};

template <typename Less>
void RowStore::StableSort(Less less) {
  std::stable_sort(spans_.begin(), spans_.end(), [&](const Span& a, const Span& b) {
    return less(std::string_view(text_.data() + a.at, a.size),
                std::string_view(text_.data() + b.at, b.size));
  });
}

template <typename Less>
int RowStore::UpperBound(std::string_view row, Less less) const {
  const auto at = std::upper_bound(
      spans_.begin(), spans_.end(), row, [&](std::string_view value, const Span& span) {
        return less(value, std::string_view(text_.data() + span.at, span.size));
      });
  return static_cast<int>(at - spans_.begin());
}

}  // namespace zbk
