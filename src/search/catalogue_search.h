// "Szukaj": searches every "*.TXT" file of the working folder, in name order,
// for the lines that hold all three words of the query (letters a to z
// matched without regard to case), shows each hit with the file's name in
// front, and ends with the list of files that had hits.
#pragma once

#include <cstdint>
#include <string_view>

#include "text/short_text.h"
#include "window/window_state.h"

namespace zbk {

// The name right-aligned with spaces in a field `width` characters wide (cut
// to 250 characters).
ShortText PaddedName(std::string_view name, std::uint16_t width);

void CatalogueSearch(WindowState& state);

}  // namespace zbk
