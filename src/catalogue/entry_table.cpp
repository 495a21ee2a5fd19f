#include "catalogue/entry_table.h"

#include <algorithm>

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

void EntryTable::InNameOrder(EntryKind kind, std::vector<std::uint32_t>& order) const {
  order.clear();
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].kind == kind) order.push_back(static_cast<std::uint32_t>(i));
  }
  // The first 8 bytes decide most comparisons at once; names are never NUL,
  // so a shorter name's zero bytes order it before a longer one it begins.
  std::stable_sort(order.begin(), order.end(), [this](std::uint32_t a, std::uint32_t b) {
    const std::uint64_t key_a = entries_[a].key;
    const std::uint64_t key_b = entries_[b].key;
    if (key_a != key_b) return key_a < key_b;
    return upper_name(a) < upper_name(b);
  });
}

}  // namespace zbk
