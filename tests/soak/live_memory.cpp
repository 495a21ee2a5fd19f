#include "live_memory.h"

#include <malloc.h>

#include <cstdlib>
#include <filesystem>
#include <new>

namespace {

std::size_t g_blocks = 0;
std::size_t g_bytes = 0;

void* TryAllocate(std::size_t size) noexcept {
  void* p = std::malloc(size == 0 ? 1 : size);
  if (p == nullptr) return nullptr;
  ++g_blocks;
  g_bytes += malloc_usable_size(p);
  return p;
}

void* Allocate(std::size_t size) {
  void* p = TryAllocate(size);
  if (p == nullptr) throw std::bad_alloc();
  return p;
}

void Free(void* p) noexcept {
  if (p == nullptr) return;
  --g_blocks;
  g_bytes -= malloc_usable_size(p);
  std::free(p);
}

}  // namespace

void* operator new(std::size_t size) {
  return Allocate(size);
}
void* operator new[](std::size_t size) {
  return Allocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return TryAllocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return TryAllocate(size);
}
void operator delete(void* p) noexcept {
  Free(p);
}
void operator delete[](void* p) noexcept {
  Free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  Free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  Free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
  Free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
  Free(p);
}

namespace zbk::testing {

LiveMemory CurrentLiveMemory() {
  return {g_blocks, g_bytes};
}

int OpenFileDescriptors() {
  int count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
    ++count;
  }
  return count;
}

}  // namespace zbk::testing
