#include "platform/linux/one_file_system.h"

#include <sys/stat.h>

namespace zbk {
namespace {

class SameDeviceListing : public FolderListing {
 public:
  SameDeviceListing(std::unique_ptr<FolderListing> listing, Files& files, NativePath folder,
                    dev_t device, const OneFileSystemFiles::DeviceOf& device_of)
      : listing_(std::move(listing)),
        files_(files),
        folder_(std::move(folder)),
        device_(device),
        device_of_(device_of) {}

  bool Next(FolderEntry& entry) override {
    while (listing_->Next(entry)) {
      if (!entry.folder() || entry.native == "." || entry.native == "..") return true;
      const std::optional<dev_t> device = device_of_(files_.Child(folder_, entry.native));
      if (!device || *device == device_) return true;
    }
    return false;
  }

 private:
  std::unique_ptr<FolderListing> listing_;
  Files& files_;
  NativePath folder_;
  dev_t device_;
  const OneFileSystemFiles::DeviceOf& device_of_;
};

}  // namespace

OneFileSystemFiles::OneFileSystemFiles(Files& files, DeviceOf device_of)
    : FilesWrapper(files), device_of_(std::move(device_of)) {}

std::optional<dev_t> OneFileSystemFiles::StatDevice(const NativePath& folder) {
  struct stat st {};
  if (lstat(folder.c_str(), &st) != 0) return std::nullopt;
  return st.st_dev;
}

std::unique_ptr<FolderListing> OneFileSystemFiles::List(const NativePath& folder,
                                                        std::string_view pattern,
                                                        ListingDetail detail) {
  std::unique_ptr<FolderListing> listing = inner().List(folder, pattern, detail);
  const std::optional<dev_t> device = device_of_(folder);
  if (!listing || !device) return listing;
  return std::make_unique<SameDeviceListing>(std::move(listing), inner(), folder, *device,
                                             device_of_);
}

}  // namespace zbk
