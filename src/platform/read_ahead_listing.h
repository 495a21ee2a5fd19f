// A folder listing that reads one matching entry ahead, so that a listing
// with no matching entry can fail at its first step, as callers expect.
#pragma once

#include <utility>

#include "ports/os.h"

namespace zbk {

class ReadAheadListing : public FolderListing {
 public:
  // Reads ahead to the first matching entry; false when there is none.
  bool Prime() {
    has_pending_ = Advance(pending_);
    return has_pending_;
  }

  bool Next(FolderEntry& entry) final {
    if (!has_pending_) return false;
    std::swap(entry, pending_);  // both keep their room for the next entry
    has_pending_ = Advance(pending_);
    return true;
  }

 protected:
  // The next matching entry of the system's listing; false at its end.
  virtual bool Advance(FolderEntry& entry) = 0;

 private:
  FolderEntry pending_;
  bool has_pending_ = false;
};

}  // namespace zbk
