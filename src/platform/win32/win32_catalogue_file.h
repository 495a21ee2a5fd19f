// Catalogue files on Windows, replaced in one step: the lines go into a new
// temporary file of the working folder, which no other program may delete
// while it is open; at the close the data is flushed to the disk and the
// file moved over the catalogue's name, write-through.
#pragma once

#include <memory>
#include <string_view>

#include "ports/os.h"

namespace zbk {

// `name` is the Windows-1250 name of the catalogue in the working folder;
// nullptr for a name that would leave it, name a device, or is a folder.
std::unique_ptr<OutputFile> CreateWin32Catalogue(std::string_view name);

}  // namespace zbk
