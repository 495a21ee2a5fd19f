// The short guide the result list shows at start-up.
#pragma once

#include "ports/toolkit.h"

namespace zbk {

// Fills the list with the help text, a paragraph after an empty row.
void AddHelpText(ListBox& list);

}  // namespace zbk
