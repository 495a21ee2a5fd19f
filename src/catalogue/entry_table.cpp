#include "catalogue/entry_table.h"

#include <algorithm>

#include "catalogue/entry_pause.h"
#include "text/short_text.h"
#include "text/upper.h"

namespace zbk {

void EntryTable::Clear() {
  text_.clear();
  entries_.clear();
}

void EntryTable::Put(const FolderEntry& entry) {
  const std::string_view name = Head(entry.name, kShortTextCapacity);
  const std::size_t at = text_.size();
  text_.append(name);
  std::uint64_t key = 0;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const char upper = UpperAscii(name[i]);
    text_.push_back(upper);
    if (i < 8) key |= std::uint64_t{static_cast<unsigned char>(upper)} << (56 - 8 * i);
  }
  text_.append(entry.native);
  entries_.push_back({key, at, static_cast<std::uint32_t>(name.size()),
                      static_cast<std::uint32_t>(entry.native.size()), entry.size, entry.kind});
}

bool EntryTable::InNameOrder(EntryKind kind, std::vector<std::uint32_t>& order,
                             const std::function<bool()>& between) const {
  order.clear();
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].kind == kind) order.push_back(static_cast<std::uint32_t>(i));
  }
  // The first 8 bytes decide most comparisons at once; names are never NUL,
  // so a shorter name's zero bytes order it before a longer one it begins.
  const auto before = [this](std::uint32_t a, std::uint32_t b) {
    const std::uint64_t key_a = entries_[a].key;
    const std::uint64_t key_b = entries_[b].key;
    if (key_a != key_b) return key_a < key_b;
    return upper_name(a) < upper_name(b);
  };
  const auto go_on = [&] { return !between || between(); };
  // Stable pieces, merged stably: the order of one stable sort.
  const std::size_t size = order.size();
  for (std::size_t at = 0; at < size; at += kPauseEntries) {
    const auto end =
        order.begin() + static_cast<std::ptrdiff_t>(std::min(size, at + kPauseEntries));
    std::stable_sort(order.begin() + static_cast<std::ptrdiff_t>(at), end, before);
    if (size > kPauseEntries && !go_on()) return false;
  }
  for (std::size_t width = kPauseEntries; width < size; width *= 2) {
    for (std::size_t at = 0; at + width < size; at += 2 * width) {
      const auto first = order.begin() + static_cast<std::ptrdiff_t>(at);
      std::inplace_merge(
          first, first + static_cast<std::ptrdiff_t>(width),
          order.begin() + static_cast<std::ptrdiff_t>(std::min(size, at + 2 * width)), before);
    }
    if (!go_on()) return false;
  }
  return true;
}

}  // namespace zbk
