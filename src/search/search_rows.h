// The window's search without the window: the same catalogues of the
// working folder, the same lines and the same order, each hit given as the
// row the window shows for it (the right-aligned catalogue name, ": ", the
// line). No messages and no closing " Dyski:" block.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "ports/os.h"
#include "search/search_words.h"

namespace zbk {

struct SearchRowsResult {
  bool catalogues = false;  // false: the folder has no "*.TXT" entry at all
  std::uint64_t hits = 0;
};

// A catalogue that cannot be opened or read throws its FileError, after
// the rows of the files before it, as the window's search ends there.
SearchRowsResult SearchRows(Files& files, const SearchWords& words,
                            const std::function<void(std::string_view row)>& row);

}  // namespace zbk
