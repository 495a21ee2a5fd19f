// Folder listings and text files through the wide Windows calls. Names are
// shown in Windows-1250 and kept as the system gave them (NativePath), so
// the walk descends into folders whose names the code page cannot show.
// Folders that are links to other places (junctions, symbolic links) are
// listed as plain entries, never as folders to descend into.
#pragma once

#include "ports/os.h"

namespace zbk {

class Win32Files : public Files {
 public:
  std::unique_ptr<FolderListing> List(const NativePath& folder, std::string_view pattern,
                                      ListingDetail detail) override;
  NativePath Child(const NativePath& folder, const NativePath& name) override;
  NativePath WorkingFolder() override;
  // Refuses (nullptr) a name that would leave the working folder or name a
  // device.
  std::unique_ptr<OutputFile> Create(std::string_view name) override;
  std::unique_ptr<InputFile> Open(const NativePath& file, std::string_view shown) override;
};

}  // namespace zbk
