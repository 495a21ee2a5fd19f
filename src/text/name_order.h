// Name order: ascending by the upper-cased names compared byte by byte as
// unsigned values, a name that begins another first, equal names in listing
// order. The walk lists a folder's entries in it, the search its catalogues.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zbk {

// The first 8 bytes of an upper-cased name as one big-endian number. Names
// are never NUL, so a shorter name's zero bytes order it before a longer one
// it begins: unequal heads decide a comparison at once.
constexpr std::uint64_t NameHead(std::string_view upper) {
  std::uint64_t head = 0;
  for (std::size_t i = 0; i < upper.size() && i < 8; ++i) {
    head |= std::uint64_t{static_cast<unsigned char>(upper[i])} << (56 - 8 * i);
  }
  return head;
}

// Puts the positions in `order` in name order: `head(p)` gives position p's
// NameHead, `upper(p)` its upper-cased name. Sorts `piece` positions at a
// time and merges them, calling `between` after each piece (when there is
// more than one) and each merge pass; false, `order` unfinished, as soon as
// `between` is.
template <typename Position, typename Head, typename Upper>
bool SortInNameOrder(std::vector<Position>& order, Head head, Upper upper, std::size_t piece,
                     const std::function<bool()>& between = {}) {
  const auto before = [&](Position a, Position b) {
    if (head(a) != head(b)) return head(a) < head(b);
    return upper(a) < upper(b);  // unsigned bytes, a prefix first
  };
  const auto go_on = [&] { return !between || between(); };
  // Stable pieces, merged stably: the order of one stable sort.
  const std::size_t size = order.size();
  const auto at = [&order](std::size_t i) {
    return order.begin() + static_cast<std::ptrdiff_t>(i);
  };
  for (std::size_t from = 0; from < size; from += piece) {
    std::stable_sort(at(from), at(std::min(size, from + piece)), before);
    if (size > piece && !go_on()) return false;
  }
  for (std::size_t width = piece; width < size; width *= 2) {
    for (std::size_t from = 0; from + width < size; from += 2 * width) {
      std::inplace_merge(at(from), at(from + width), at(std::min(size, from + 2 * width)), before);
    }
    if (!go_on()) return false;
  }
  return true;
}

// The positions of `names` in name order.
std::vector<std::size_t> NameOrder(const std::vector<std::string>& names);

}  // namespace zbk
