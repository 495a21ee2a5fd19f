// The short guide the result list shows at start-up.
#pragma once

#include <string_view>

#include "ports/toolkit.h"

namespace zbk {

// Appends "  " and the line (cut to 250) to the list.
void AddHelpLine(ListBox& list, std::string_view line);
// Appends a two-space row, then the line as AddHelpLine does.
void AddHelpParagraph(ListBox& list, std::string_view line);
// Fills the list with the help text, a paragraph after an empty row.
void AddHelpText(ListBox& list);

}  // namespace zbk
