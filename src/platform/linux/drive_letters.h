// Drive letters for mounted file systems, the way a Windows user expects
// them: the root "/" is C:; every other drive takes the next free letter
// from D: when it is first seen and keeps it while it stays mounted; the
// letter is free again once its mount has gone.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "platform/linux/mount_table.h"

namespace zbk {

struct MountedDrive {
  Mount mount;
  int type = 0;  // the drive type code
};

class DriveLetters {
 public:
  // Takes the drives mounted now, in table order. Of several mounts on one
  // mount point only the last, the one on top, counts. Drives beyond Z: get
  // no letter until one is free.
  void Update(const std::vector<MountedDrive>& drives);
  // The drive at a letter 'A' to 'Z', or nullptr.
  const MountedDrive* At(char letter) const;

 private:
  std::array<std::optional<MountedDrive>, 26> letters_;
};

}  // namespace zbk
