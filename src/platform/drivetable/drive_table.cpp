#include "platform/drivetable/drive_table.h"

namespace zbk {

void DriveTable::Set(char letter, DriveInfo drive) {
  const std::lock_guard lock(mutex_);
  if (const int i = DriveIndex(letter); i >= 0)
    drives_[static_cast<std::size_t>(i)] = std::move(drive);
}

void DriveTable::Remove(char letter) {
  const std::lock_guard lock(mutex_);
  if (const int i = DriveIndex(letter); i >= 0) drives_[static_cast<std::size_t>(i)].reset();
}

const std::optional<DriveInfo>& DriveTable::Get(char letter) const {
  static const std::optional<DriveInfo> kNone;
  const int i = DriveIndex(letter);
  return i >= 0 ? drives_[static_cast<std::size_t>(i)] : kNone;
}

DriveInfo DriveTable::Query(char letter) {
  std::unique_lock lock(mutex_);
  DriveInfo drive = Get(letter).value_or(DriveInfo{});
  lock.unlock();
  if (!drive.root) drive.serial.reset();
  return drive;
}

}  // namespace zbk
