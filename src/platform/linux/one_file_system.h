// Folder listings that stay on one file system. On Linux every mount is a
// folder somewhere below the root, so a walk of C: (the root) would go on
// into /proc, /sys, network shares and the other drives; here a sub-folder
// on which another file system is mounted is left out of its parent's
// listing, as a Windows drive holds nothing of another drive.
#pragma once

#include <sys/types.h>

#include <functional>
#include <optional>

#include "ports/os.h"

namespace zbk {

class OneFileSystemFiles : public FilesWrapper {
 public:
  // The device of a folder, or nothing when it cannot be told.
  using DeviceOf = std::function<std::optional<dev_t>(const NativePath& folder)>;

  explicit OneFileSystemFiles(Files& files, DeviceOf device_of = StatDevice);

  std::unique_ptr<FolderListing> List(const NativePath& folder, std::string_view pattern,
                                      ListingDetail detail) override;

  static std::optional<dev_t> StatDevice(const NativePath& folder);

 private:
  DeviceOf device_of_;
};

}  // namespace zbk
