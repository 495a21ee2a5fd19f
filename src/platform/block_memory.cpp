#include "platform/block_memory.h"

#include <atomic>
#include <cstdint>

#if defined(_WIN32)
#include <windows.h>
#elif defined(__unix__)
#include <sys/mman.h>
#else
#include <cstdlib>
#endif

namespace zbk {
namespace {

std::atomic<std::size_t> held{0};

std::size_t WholeBlocks(std::size_t bytes) {
  if (bytes > SIZE_MAX - kLargeBlock) throw std::bad_alloc();
  return (bytes + kLargeBlock - 1) / kLargeBlock * kLargeBlock;
}

#if defined(_WIN32)

void* TakeBlocks(std::size_t size) {
  return VirtualAlloc(nullptr, size, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
}

void GiveBackBlocks(void* memory, std::size_t) {
  VirtualFree(memory, 0, MEM_RELEASE);
}

#elif defined(__unix__)

void* TakeBlocks(std::size_t size) {
  // Mapped one block larger, then cut at block boundaries: a huge page
  // needs one.
  void* mapped =
      mmap(nullptr, size + kLargeBlock, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapped == MAP_FAILED) return nullptr;
  const auto start = reinterpret_cast<std::uintptr_t>(mapped);
  const std::uintptr_t aligned = (start + kLargeBlock - 1) & ~(kLargeBlock - 1);
  if (aligned != start) munmap(mapped, aligned - start);
  munmap(reinterpret_cast<void*>(aligned + size), kLargeBlock - (aligned - start));
  void* memory = reinterpret_cast<void*>(aligned);
  // Faulted in now, all at once: as huge pages where the system has them,
  // otherwise still in one call, not one fault a page. (Either may be
  // missing: the memory then faults in as it is used.)
#if defined(MADV_HUGEPAGE)
  madvise(memory, size, MADV_HUGEPAGE);
#endif
#if defined(MADV_POPULATE_WRITE)
  madvise(memory, size, MADV_POPULATE_WRITE);
#endif
  return memory;
}

void GiveBackBlocks(void* memory, std::size_t size) {
  munmap(memory, size);
}

#else

void* TakeBlocks(std::size_t size) {
  return std::aligned_alloc(kLargeBlock, size);
}

void GiveBackBlocks(void* memory, std::size_t) {
  std::free(memory);
}

#endif

}  // namespace

void* TakeMemory(std::size_t bytes) {
  if (bytes < kLargeBlock) return ::operator new(bytes);
  const std::size_t size = WholeBlocks(bytes);
  void* memory = TakeBlocks(size);
  if (memory == nullptr) throw std::bad_alloc();
  held += size;
  return memory;
}

void GiveBackMemory(void* memory, std::size_t bytes) noexcept {
  if (bytes < kLargeBlock) {
    ::operator delete(memory);
  } else {
    GiveBackBlocks(memory, WholeBlocks(bytes));
    held -= WholeBlocks(bytes);
  }
}

std::size_t LargeMemoryHeld() noexcept {
  return held;
}

}  // namespace zbk
