// "Analizuj": catalogues the drive whose row is selected in the drive list
// into a catalogue file named after its label, in the working folder, and
// into the result list, then appends the report of unusual folders.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/window_state.h"
#include "text/short_text.h"

namespace zbk {

// Characters 16 to 30 of the drive row (the label field) and ".txt", with
// every space that stands directly before a period removed.
ShortText CatalogueFileName(std::string_view drive_row);

// Whether the name stays inside the working folder: no path separator and no
// drive prefix.
bool StaysInWorkingFolder(std::string_view name);

// The drive letter of a drive row (characters 2 and 3 are a letter A-Z and a
// colon), or nothing for a row that names no drive, such as the header.
std::optional<char> DriveOfRow(std::string_view drive_row);

void CatalogueRun(WindowState& state);

}  // namespace zbk
