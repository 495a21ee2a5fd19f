// Drives declared by hand: each letter maps to a folder that is its root,
// with a type code, a label and free and total bytes. Undeclared letters have
// no drive (type 1, every query fails). Tests and the scripted driver use it;
// a desktop program fills it from what the system has mounted.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/os.h"

namespace zbk {

struct DriveSpec {
  int type = kDriveNoRoot;
  std::int64_t free = -1;
  std::int64_t total = -1;
  std::optional<NativePath> root;     // nothing: no medium, listings fail
  std::optional<std::string> label;   // Windows-1250; nothing: the query fails
  std::optional<std::string> serial;  // nothing: the volume has none
};

class DriveTable : public Drives {
 public:
  void Set(char letter, DriveSpec drive);
  void Remove(char letter);
  const std::optional<DriveSpec>& Get(char letter) const;

  int DriveType(std::string_view root) override;
  bool VolumeLabel(std::string_view root, std::string& label) override;
  std::optional<std::string> VolumeSerial(std::string_view root) override;
  std::int64_t DiskFree(int drive) override;
  std::int64_t DiskSize(int drive) override;
  NativePath RootFolder(char letter) override;

 private:
  const DriveSpec* Find(char letter) const;

  std::array<std::optional<DriveSpec>, 26> drives_;
};

}  // namespace zbk
