// The drives A: to Z: of a Linux system, from its mount table: letters as
// DriveLetters assigns them, types as DriveTypeOfMount gives them, the file
// system label where one can be read without root rights (else the last
// part of the mount point, which desktop automounters name after the
// label), the file system's UUID as its serial, free and total bytes from
// statvfs. The mount table is read at each Refresh; queries answer from it
// until the next. Query of any letter may run while Refresh does.
#pragma once

#include <mutex>
#include <string>

#include "platform/linux/drive_letters.h"
#include "ports/os.h"

namespace zbk {

// Where the facts come from; tests point them at fixtures.
struct MountSources {
  std::string mount_table = "/proc/self/mountinfo";
  std::string labels = "/dev/disk/by-label";
  std::string block_devices = "/sys/class/block";
  std::string uuids = "/dev/disk/by-uuid";
};

class MountDrives : public Drives {
 public:
  explicit MountDrives(MountSources sources = {}) : sources_(std::move(sources)) {}

  void Refresh() override;
  DriveInfo Query(char letter) override;

 private:
  MountSources sources_;
  std::mutex mutex_;  // guards letters_
  DriveLetters letters_;
};

}  // namespace zbk
