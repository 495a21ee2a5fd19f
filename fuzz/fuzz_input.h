// Taking a fuzzer's bytes apart: numbers and pieces of text read from the
// front, zeros and empty pieces once the bytes run out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace zbk::fuzz {

class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size)
      : rest_(reinterpret_cast<const char*>(data), size) {}

  bool empty() const { return rest_.empty(); }

  std::uint8_t Byte() {
    if (rest_.empty()) return 0;
    const auto byte = static_cast<std::uint8_t>(rest_.front());
    rest_.remove_prefix(1);
    return byte;
  }

  // A number from `bytes` bytes, least significant first.
  std::uint64_t Number(int bytes) {
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i) value |= std::uint64_t{Byte()} << (8 * i);
    return value;
  }

  // Up to `count` bytes.
  std::string_view Take(std::size_t count) {
    const std::string_view piece = rest_.substr(0, count);
    rest_.remove_prefix(piece.size());
    return piece;
  }

  // The bytes before the next `stop` (or all that are left); `stop` is used up.
  std::string_view Until(char stop) {
    const auto at = rest_.find(stop);
    const std::string_view piece = rest_.substr(0, at);
    rest_.remove_prefix(at == std::string_view::npos ? rest_.size() : at + 1);
    return piece;
  }

  std::string_view Rest() { return Take(rest_.size()); }

 private:
  std::string_view rest_;
};

// One run of a fuzz target on the fuzzer's bytes; each target defines it.
void Target(FuzzInput& in);

// Stops the program, so that the fuzzer (or the corpus run) reports the input.
inline void Check(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "check failed: %s\n", what);
  std::abort();
}

}  // namespace zbk::fuzz
