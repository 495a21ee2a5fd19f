// Drives declared by hand whose queries of chosen letters wait at a gate
// until it opens, as a drive that hangs does: a double for the drive
// queries of the window, behind a TimeBoundDrives. Safe from any thread.
#pragma once

#include <array>
#include <condition_variable>
#include <mutex>

#include "platform/drivetable/drive_table.h"

namespace zbk::testing {

class GatedDrives : public Drives {
 public:
  DriveTable& table() { return table_; }

  // From now on, queries of `letter` wait until Open.
  void Close(char letter) {
    const std::lock_guard lock(mutex_);
    closed_[Index(letter)] = true;
  }
  void Open(char letter) {
    {
      const std::lock_guard lock(mutex_);
      closed_[Index(letter)] = false;
    }
    opened_.notify_all();
  }
  // Queries of `letter` that have begun, waiting or not.
  int asked(char letter) {
    const std::lock_guard lock(mutex_);
    return asked_[Index(letter)];
  }

  DriveInfo Query(char letter) override {
    {
      std::unique_lock lock(mutex_);
      const std::size_t i = Index(letter);
      ++asked_[i];
      opened_.wait(lock, [&] { return !closed_[i]; });
    }
    return table_.Query(letter);
  }

 private:
  static std::size_t Index(char letter) { return static_cast<std::size_t>(letter - 'A'); }

  DriveTable table_;
  std::mutex mutex_;
  std::condition_variable opened_;
  std::array<bool, 26> closed_{};
  std::array<int, 26> asked_{};
};

}  // namespace zbk::testing
