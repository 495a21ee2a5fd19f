#include "catalogue/entry_table.h"

#include "catalogue/entry_pause.h"
#include "text/name_order.h"
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
  for (const char c : name) text_.push_back(UpperAscii(c));
  text_.append(entry.native);
  entries_.push_back({NameHead(std::string_view(text_).substr(at + name.size(), name.size())), at,
                      static_cast<std::uint32_t>(name.size()),
                      static_cast<std::uint32_t>(entry.native.size()), entry.size, entry.kind});
}

bool EntryTable::InNameOrder(EntryKind kind, std::vector<std::uint32_t>& order,
                             const std::function<bool()>& between) const {
  order.clear();
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].kind == kind) order.push_back(static_cast<std::uint32_t>(i));
  }
  return SortInNameOrder(
      order, [this](std::uint32_t p) { return entries_[p].key; },
      [this](std::uint32_t p) { return upper_name(p); }, kPauseEntries, between);
}

}  // namespace zbk
