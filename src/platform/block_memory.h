// Memory for the rows of long lists. Below kLargeBlock bytes it comes from
// the heap. From kLargeBlock on it is taken straight from the system in
// whole blocks of that size, and given back to it when freed, not kept by a
// heap. On Linux each block is aligned to its size, marked for huge pages
// and faulted in at once: one huge page costs far less to fault in than 512
// small ones (a search with two million hits spent most of its time in
// page faults). On Windows a block is committed at once.
#pragma once

#include <cstddef>
#include <new>

namespace zbk {

inline constexpr std::size_t kLargeBlock = std::size_t{2} << 20;

// At least `bytes`; throws std::bad_alloc.
void* TakeMemory(std::size_t bytes);
// Gives back what TakeMemory(bytes) gave.
void GiveBackMemory(void* memory, std::size_t bytes) noexcept;
// The bytes of whole blocks taken from the system and not given back.
std::size_t LargeMemoryHeld() noexcept;

// Owns the memory of one TakeMemory.
class MemoryBlock {
 public:
  MemoryBlock() = default;
  explicit MemoryBlock(std::size_t bytes)
      : data_(static_cast<char*>(TakeMemory(bytes))), size_(bytes) {}
  MemoryBlock(MemoryBlock&& other) noexcept : data_(other.data_), size_(other.size_) {
    other.data_ = nullptr;
    other.size_ = 0;
  }
  MemoryBlock& operator=(MemoryBlock&& other) noexcept {
    if (this != &other) {
      if (data_ != nullptr) GiveBackMemory(data_, size_);
      data_ = other.data_;
      size_ = other.size_;
      other.data_ = nullptr;
      other.size_ = 0;
    }
    return *this;
  }
  MemoryBlock(const MemoryBlock&) = delete;
  MemoryBlock& operator=(const MemoryBlock&) = delete;
  ~MemoryBlock() {
    if (data_ != nullptr) GiveBackMemory(data_, size_);
  }

  char* data() const { return data_; }
  std::size_t size() const { return size_; }

 private:
  char* data_ = nullptr;
  std::size_t size_ = 0;
};

// For a vector that grows large: its memory is taken as TakeMemory takes it.
template <typename T>
struct BlockAllocator {
  using value_type = T;
  BlockAllocator() = default;
  template <typename U>
  BlockAllocator(const BlockAllocator<U>&) noexcept {}

  T* allocate(std::size_t n) { return static_cast<T*>(TakeMemory(n * sizeof(T))); }
  void deallocate(T* p, std::size_t n) noexcept { GiveBackMemory(p, n * sizeof(T)); }
  template <typename U>
  bool operator==(const BlockAllocator<U>&) const noexcept {
    return true;
  }
};

}  // namespace zbk
