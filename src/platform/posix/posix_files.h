// Folder listings and text files on a POSIX system. Names on disk are taken
// as UTF-8 and shown in Windows-1250; the walk keeps the names as the system
// gave them, so nothing is lost to the conversion.
#pragma once

#include "platform/os.h"

namespace zbk {

class PosixFiles : public Files {
 public:
  std::unique_ptr<FolderListing> List(const NativePath& folder, std::string_view pattern,
                                      ListingDetail detail) override;
  NativePath Child(const NativePath& folder, const NativePath& name) override;
  NativePath WorkingFolder() override { return "."; }
  std::unique_ptr<OutputFile> Create(std::string_view name) override;
  std::unique_ptr<InputFile> Open(const NativePath& file, std::string_view shown) override;
};

}  // namespace zbk
