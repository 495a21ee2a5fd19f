// One folder listing with FindFirstFileExW / FindNextFileW: every entry the
// system gives, filtered by the program's own name pattern on the shown
// name (so a pattern never matches through a short 8.3 name).
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "ports/os.h"

namespace zbk {

// A folder is one to descend into unless it is a link (a reparse point
// standing for another place: a junction or a symbolic link).
EntryKind KindOf(const WIN32_FIND_DATAW& data);

// The listing of `folder` (its wide path), or nullptr when it cannot be
// read or no name matches `pattern`.
std::unique_ptr<FolderListing> ListFolder(const std::wstring& folder, std::string_view pattern);

}  // namespace zbk
