// Folder listings and text files on a POSIX system. Names on disk are taken
// as UTF-8 and shown in Windows-1250; the walk keeps the names as the system
// gave them, so nothing is lost to the conversion. A folder below a held one
// is opened relative to it, one name at a time and never through a link, so
// a tree of any depth can be listed.
#pragma once

#include <map>
#include <memory>
#include <mutex>

#include "ports/os.h"

namespace zbk {

class PosixFiles : public Files {
 public:
  PosixFiles() = default;
  PosixFiles(const PosixFiles&) = delete;
  PosixFiles& operator=(const PosixFiles&) = delete;

  std::unique_ptr<FolderListing> List(const NativePath& folder, std::string_view pattern,
                                      ListingDetail detail) override;
  NativePath Child(const NativePath& folder, const NativePath& name) override;
  NativePath WorkingFolder() override { return "."; }
  std::unique_ptr<OutputFile> Create(std::string_view name) override;
  std::unique_ptr<InputFile> Open(const NativePath& file, std::string_view shown) override;
  std::shared_ptr<void> Hold(const NativePath& folder) override;

 private:
  struct Held;
  struct Release;

  // The folder open for reading (O_DIRECTORY), or -1 with errno set.
  int OpenFolder(const NativePath& folder);

  std::mutex mutex_;
  std::map<NativePath, std::shared_ptr<Held>> held_;  // by path, no "/" at the end
};

}  // namespace zbk
