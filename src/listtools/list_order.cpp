#include "listtools/list_order.h"

#include <array>

namespace zbk {
namespace {

// Each Windows-1250 byte's weight: a lower-case letter weighs as its
// capital, every other byte as itself.
constexpr std::array<unsigned char, 256> MakeFold() {
  std::array<unsigned char, 256> fold{};
  for (int i = 0; i < 256; ++i) fold[static_cast<std::size_t>(i)] = static_cast<unsigned char>(i);
  for (int c = 'a'; c <= 'z'; ++c)
    fold[static_cast<std::size_t>(c)] = static_cast<unsigned char>(c - 32);
  // š ś ť ž ź, ł ą ş ľ ż, and the accented letters from 0xE0 (not ÷).
  constexpr std::array<std::array<int, 2>, 10> pairs = {{
      {0x9A, 0x8A},
      {0x9C, 0x8C},
      {0x9D, 0x8D},
      {0x9E, 0x8E},
      {0x9F, 0x8F},
      {0xB3, 0xA3},
      {0xB9, 0xA5},
      {0xBA, 0xAA},
      {0xBE, 0xBC},
      {0xBF, 0xAF},
  }};
  for (const auto& pair : pairs) {
    fold[static_cast<std::size_t>(pair[0])] = static_cast<unsigned char>(pair[1]);
  }
  for (int c = 0xE0; c <= 0xFE; ++c) {
    if (c != 0xF7) fold[static_cast<std::size_t>(c)] = static_cast<unsigned char>(c - 0x20);
  }
  return fold;
}

constexpr std::array<unsigned char, 256> kFold = MakeFold();

}  // namespace

bool ListRowLess(std::string_view a, std::string_view b) {
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    const unsigned char x = kFold[static_cast<unsigned char>(a[i])];
    const unsigned char y = kFold[static_cast<unsigned char>(b[i])];
    if (x != y) return x < y;
  }
  return a.size() < b.size();
}

}  // namespace zbk
