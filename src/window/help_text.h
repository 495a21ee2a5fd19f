// The short guide the result list shows at start-up, and the drive list's
// header row.
#pragma once

#include <string_view>

#include "ports/toolkit.h"

namespace zbk {

// " ?  typ dysku  nazwa            wolne   w GB": its columns match the drive
// lines below it.
inline constexpr std::string_view kDriveListHeader = " ?  typ dysku  nazwa            wolne   w GB";

// Appends "  " and the line (cut to 250) to the list.
void AddHelpLine(ListBox& list, std::string_view line);
// Appends a two-space row, then the line as AddHelpLine does.
void AddHelpParagraph(ListBox& list, std::string_view line);
// Fills the list with the help text: 26 rows.
void AddHelpText(ListBox& list);

}  // namespace zbk
