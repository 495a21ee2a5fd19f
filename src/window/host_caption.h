// The window caption's fixed part: two spaces, the user name, "  on  " and
// the computer name.
#pragma once

#include <string>
#include <string_view>

#include "ports/os.h"
#include "text/short_text.h"

namespace zbk {

// Each name is asked for into a buffer of this many characters, its
// terminating NUL included; a longer name keeps its first 29 characters.
inline constexpr std::size_t kNameCapacity = 30;

// Cuts the text at its first NUL, then removes trailing characters of code 32
// or less. Leading characters stay.
void TrimName(std::string& text);

// A name as the system gave it, limited to the name buffer and trimmed.
std::string NameFromSystem(std::string_view raw);

ShortText BuildHostCaption(Hosts& hosts);

}  // namespace zbk
