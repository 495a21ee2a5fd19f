// The rows of a list box in blocks of text: each row is a place and a
// length in a block (8 bytes), so a million rows are a few dozen blocks, not
// a million allocations, and sorting or inserting moves 8-byte places, not
// strings. A row is written once, straight into its block, also when it is
// made of two pieces. The blocks never move: growing the store copies no
// text. After two small blocks from the heap, the blocks are of 2 MiB taken
// from the system (block_memory.h), and Clear gives them all back. Replaced
// rows leave their old text behind until that waste outweighs the rows in
// use. Sorted, the rows are in the order of sorted list boxes (ListRowLess).
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/block_memory.h"

namespace zbk {

class RowStore {
 public:
  int size() const { return static_cast<int>(spans_.size()); }
  std::string_view operator[](int i) const { return Text(spans_[static_cast<std::size_t>(i)]); }

  void Append(std::string_view row) { spans_.push_back(Store(row, {})); }
  // Appends the row made of `head` followed by `tail`.
  void Append(std::string_view head, std::string_view tail) { spans_.push_back(Store(head, tail)); }
  void Insert(int at, std::string_view row);
  void Replace(int i, std::string_view row);
  void Clear();
  // Sorts the rows, stable.
  void Sort();
  // Where `row` goes among sorted rows: after the rows equal to it.
  int SortedPlace(std::string_view row) const;

 private:
  // A row's block, its place in the block and its length, in 64 bits. A row
  // too long for the length field has a block of its own, whose `used` is
  // its length.
  class Span {
   public:
    static constexpr unsigned kAtBits = 21;  // blocks of at most 2 MiB
    static constexpr unsigned kSizeBits = 21;
    static constexpr std::uint64_t kOwnBlock = (std::uint64_t{1} << kSizeBits) - 1;
    static constexpr std::uint64_t kMaxBlocks = std::uint64_t{1} << (64 - kAtBits - kSizeBits);

    Span(std::uint64_t block, std::uint64_t at, std::uint64_t size)
        : bits_(block << (kAtBits + kSizeBits) | at << kSizeBits | size) {}
    std::size_t block() const { return static_cast<std::size_t>(bits_ >> (kAtBits + kSizeBits)); }
    std::size_t at() const {
      return static_cast<std::size_t>(bits_ >> kSizeBits & ((std::uint64_t{1} << kAtBits) - 1));
    }
    std::uint64_t size() const { return bits_ & kOwnBlock; }

   private:
    std::uint64_t bits_;
  };
  static_assert(kLargeBlock <= std::size_t{1} << Span::kAtBits);

  struct Block {
    MemoryBlock memory;
    std::size_t used = 0;
  };

  std::string_view Text(Span span) const {
    const Block& block = blocks_[span.block()];
    const std::size_t size = span.size() == Span::kOwnBlock ? block.used : span.size();
    return {block.memory.data() + span.at(), size};
  }
  // Writes `head` and `tail` as one row's text.
  Span Store(std::string_view head, std::string_view tail) {
    const std::size_t size = head.size() + tail.size();
    // (An empty store has no room, not even for an empty row.)
    if (size >= static_cast<std::size_t>(end_ - next_)) [[unlikely]] {
      return StoreInNewBlock(head, tail);
    }
    char* const at = next_;
    Copy(at, head, tail);
    next_ += size;
    used_ += size;
    return Span(blocks_.size() - 1, static_cast<std::size_t>(at - blocks_.back().memory.data()),
                size);
  }
  Span StoreInNewBlock(std::string_view head, std::string_view tail);
  static void Copy(char* to, std::string_view head, std::string_view tail);
  void Compact();

  std::vector<Block> blocks_;
  std::vector<Span, BlockAllocator<Span>> spans_;
  // The free room of the last block, which rows are written into.
  char* next_ = nullptr;
  char* end_ = nullptr;
  std::size_t used_ = 0;  // bytes of text in use or wasted, all blocks
  std::size_t waste_ = 0;
};

}  // namespace zbk
