// Files whose listings and reads never hold a command's thread longer than
// a moment while a Patience is set: each listing is read, a batch of
// entries at a time, and each file opened, read and closed, on a Courier,
// while the command's thread waits and stays answerable. A call that its
// Patience gives up ends as the end of a listing or of a file does (no
// listing at all, for a List), and goes on unseen. Without a Patience,
// every call goes straight on to the inner Files.
//
// Calls given up may still use the inner Files: it must live as long as
// the process, or at least until they return.
#pragma once

#include <memory>

#include "ports/os.h"

namespace zbk {

class PatientFiles : public FilesWrapper {
 public:
  struct Couriers;

  explicit PatientFiles(Files& inner);

  // Kept here, not passed on: the inner Files are only ever called on
  // other threads while it is set.
  void SetPatience(Patience* patience) override { patience_ = patience; }
  std::unique_ptr<FolderListing> List(const NativePath& folder, std::string_view pattern,
                                      ListingDetail detail) override;
  std::unique_ptr<InputFile> Open(const NativePath& file, std::string_view shown) override;
  // Opening a folder to hold waits for the system as a listing does.
  std::shared_ptr<void> Hold(const NativePath& folder) override;

 private:
  Patience* patience_ = nullptr;
  std::shared_ptr<Couriers> couriers_;
};

}  // namespace zbk
