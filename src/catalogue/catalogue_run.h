// "Analizuj": catalogues the drive whose row is selected in the drive list
// into a catalogue file named after its label, in the working folder, and
// into the result list, then appends the report of unusual folders.
//
// The catalogue replaces an earlier one of the same name only when the run
// is complete: not stopped by Esc, no listing failed for its medium, and
// the same medium in the drive at its end as at its start. An incomplete
// run leaves an earlier catalogue as it was, and is kept only where there
// was none.
#pragma once

#include <string_view>

#include "drives/drive_line.h"
#include "text/short_text.h"
#include "window/window_state.h"

namespace zbk {

// The drive's whole label and ".txt", with every space that stands directly
// before a period removed and the periods at its start written as "_". A
// drive without a label, or with one that Windows-1250 cannot hold, is
// named after its volume's serial, or "bez etykiety" when it has none.
ShortText CatalogueFileName(const VolumeIdentity& volume);

// Whether the name stays inside the working folder: no path separator and no
// drive prefix.
bool StaysInWorkingFolder(std::string_view name);

void CatalogueRun(WindowState& state);

}  // namespace zbk
