// "Analizuj": catalogues the drive whose row is selected in the drive list
// into a catalogue file named after its label, in the working folder, and
// into the result list, then appends the report of unusual folders.
//
// The catalogue replaces an earlier one of the same name only when the run
// is complete: not stopped by Esc, and the same medium in the drive at its
// end as at its start. An incomplete run leaves an earlier catalogue as it
// was, and is kept only where there was none.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/window_state.h"
#include "text/short_text.h"

namespace zbk {

// The label field of the drive row and ".txt", with every space that stands
// directly before a period removed. A drive without a label is named after
// its volume's `serial`, or "bez etykiety" when it has none.
ShortText CatalogueFileName(std::string_view drive_row, const std::optional<std::string>& serial);

// Whether the name stays inside the working folder: no path separator and no
// drive prefix.
bool StaysInWorkingFolder(std::string_view name);

void CatalogueRun(WindowState& state);

}  // namespace zbk
