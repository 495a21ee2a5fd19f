// Catalogue files on a POSIX system, replaced in one step: the lines go into
// a temporary file of the working folder, created exclusively and never
// through a link, locked while it is written; at the close the data is
// synced to the disk and the file renamed over the catalogue's name while
// still open and locked, and closed only then. A link of that name is itself
// replaced, its target never touched.
#pragma once

#include <memory>
#include <string_view>

#include "ports/os.h"

namespace zbk {

// `name` is the Windows-1250 name of the catalogue in the working folder.
std::unique_ptr<OutputFile> CreatePosixCatalogue(std::string_view name);

}  // namespace zbk
