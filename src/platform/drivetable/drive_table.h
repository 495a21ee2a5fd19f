// Drives declared by hand: each letter maps to what its queries answer, the
// root a folder of the test's choosing. Undeclared letters have no drive
// (type 1, every query fails). Tests and the scripted driver use it.
#pragma once

#include <array>
#include <mutex>
#include <optional>

#include "ports/os.h"

namespace zbk {

class DriveTable : public Drives {
 public:
  void Set(char letter, DriveInfo drive);
  void Remove(char letter);
  // On the thread that sets the table.
  const std::optional<DriveInfo>& Get(char letter) const;

  // A drive without a medium (no root) has no volume, so no serial.
  // On any thread, while the table is set.
  DriveInfo Query(char letter) override;

 private:
  mutable std::mutex mutex_;  // guards drives_ against Query of other threads
  std::array<std::optional<DriveInfo>, 26> drives_;
};

}  // namespace zbk
