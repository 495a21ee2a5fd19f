// Drives whose queries never hold up the window's thread. Each Refresh
// starts a round: the inner drives are read afresh and every letter is
// asked, each on a thread of its own, and Refresh waits for the answers at
// most `wait` in all. A letter that has not answered by then answers as a
// failing query does (its last known type, no label, no space, no root)
// and says so: `answered` is false. It is not asked again until its
// question has returned; the round after that shows the answer.
//
// A thread blocked in the system (a drive that hangs) is never joined: it
// shares ownership of the inner drives and of what it writes into, so the
// program can end under it.
#pragma once

#include <array>
#include <chrono>
#include <memory>

#include "ports/os.h"

namespace zbk {

// How long one refresh waits for all the drives together.
inline constexpr std::chrono::milliseconds kDriveWait{300};

class TimeBoundDrives : public Drives {
 public:
  explicit TimeBoundDrives(std::shared_ptr<Drives> inner,
                           std::chrono::milliseconds wait = kDriveWait);

  void Refresh() override;
  // The answer of the last round; a letter asked before any round answers
  // as one that has not answered.
  DriveInfo Query(char letter) override;

 private:
  struct Shared;

  std::shared_ptr<Shared> shared_;
  std::chrono::milliseconds wait_;
  std::array<DriveInfo, 26> shown_;
};

}  // namespace zbk
