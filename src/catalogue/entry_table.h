// The entries of one folder as the walk keeps them: every entry its listing
// gave, in listing order, with the name cut to 250 characters, its
// upper-cased form and the platform's own name, all in one buffer that keeps
// its room from folder to folder, so no entry costs an allocation.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ports/os.h"

namespace zbk {

class EntryTable {
 public:
  void Clear();
  void Put(const FolderEntry& entry);

  std::size_t size() const { return entries_.size(); }
  EntryKind kind(std::size_t i) const { return entries_[i].kind; }
  std::uint32_t file_size(std::size_t i) const { return entries_[i].size; }
  std::string_view name(std::size_t i) const {
    return Text(entries_[i].name, entries_[i].name_length);
  }
  std::string_view upper_name(std::size_t i) const {
    return Text(entries_[i].name + entries_[i].name_length, entries_[i].name_length);
  }
  std::string_view native(std::size_t i) const {
    return Text(entries_[i].name + 2 * entries_[i].name_length, entries_[i].native_length);
  }

  // The positions of the entries of `kind` in name order, into `order`.
  // Sorts kPauseEntries entries at a time and merges them, calling
  // `between` after each piece and each merge pass; false (and `order`
  // unfinished) as soon as `between` is.
  bool InNameOrder(EntryKind kind, std::vector<std::uint32_t>& order,
                   const std::function<bool()>& between = {}) const;

 private:
  struct Entry {
    std::uint64_t key;  // NameHead of the upper-cased name
    std::size_t name;   // where the name, its upper-cased form and the native name begin
    std::uint32_t name_length;
    std::uint32_t native_length;
    std::uint32_t size;
    EntryKind kind;
  };
  std::string_view Text(std::size_t at, std::size_t length) const {
    return std::string_view(text_).substr(at, length);
  }

  std::string text_;
  std::vector<Entry> entries_;
};

}  // namespace zbk
