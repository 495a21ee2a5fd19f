#include "platform/linux/mount_drives.h"

#include <sys/stat.h>
#include <sys/statvfs.h>

#include <fstream>
#include <iterator>
#include <limits>

#include "platform/encoding/cp1250.h"
#include "platform/linux/device_facts.h"
#include "platform/linux/mount_kinds.h"

namespace zbk {
namespace {

char LetterOfRoot(std::string_view root) {
  return root.empty() ? '\0' : root.front();
}

char LetterOfDrive(int drive) {
  return (drive >= 1 && drive <= 26) ? static_cast<char>('A' + drive - 1) : '\0';
}

bool IsFolder(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string LastPart(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::int64_t Bytes(unsigned long long blocks, unsigned long block_size) {
  constexpr auto kMax = static_cast<unsigned long long>(std::numeric_limits<std::int64_t>::max());
  if (block_size != 0 && blocks > kMax / block_size)
    return std::numeric_limits<std::int64_t>::max();
  return static_cast<std::int64_t>(blocks * block_size);
}

}  // namespace

void MountDrives::ReadMountTable() {
  std::ifstream in(sources_.mount_table, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<MountedDrive> drives;
  for (Mount& mount : ParseMountInfo(text)) {
    if (!DriveTypeOfMount(mount, false)) continue;
    const bool removable = RemovableDevice(sources_.block_devices, mount.source);
    const std::optional<int> type = DriveTypeOfMount(mount, removable);
    // Single files bound over others (as containers do) are no drives.
    if (!type || !IsFolder(mount.mount_point)) continue;
    drives.push_back(MountedDrive{std::move(mount), *type});
  }
  letters_.Update(drives);
}

int MountDrives::DriveType(std::string_view root) {
  ReadMountTable();
  const MountedDrive* drive = Find(LetterOfRoot(root));
  return drive ? drive->type : kDriveNoRoot;
}

bool MountDrives::VolumeLabel(std::string_view root, std::string& label) {
  const MountedDrive* drive = Find(LetterOfRoot(root));
  if (drive == nullptr) return false;
  const std::optional<std::string> device_label =
      LabelOfDevice(sources_.labels, drive->mount.source);
  label = Utf8ToCp1250(device_label ? *device_label : LastPart(drive->mount.mount_point));
  return true;
}

std::optional<std::string> MountDrives::VolumeSerial(std::string_view root) {
  const MountedDrive* drive = Find(LetterOfRoot(root));
  if (drive == nullptr) return std::nullopt;
  // The links of /dev/disk/by-uuid are named and escaped as those of the
  // labels are.
  const std::optional<std::string> uuid = LabelOfDevice(sources_.uuids, drive->mount.source);
  if (!uuid) return std::nullopt;
  return Utf8ToCp1250(*uuid);
}

std::int64_t MountDrives::DiskFree(int drive) {
  const MountedDrive* found = Find(LetterOfDrive(drive));
  struct statvfs st {};
  if (found == nullptr || statvfs(found->mount.mount_point.c_str(), &st) != 0) return -1;
  return Bytes(st.f_bavail, st.f_frsize);
}

std::int64_t MountDrives::DiskSize(int drive) {
  const MountedDrive* found = Find(LetterOfDrive(drive));
  struct statvfs st {};
  if (found == nullptr || statvfs(found->mount.mount_point.c_str(), &st) != 0) return -1;
  return Bytes(st.f_blocks, st.f_frsize);
}

NativePath MountDrives::RootFolder(char letter) {
  ReadMountTable();
  const MountedDrive* drive = Find(letter);
  return drive ? drive->mount.mount_point : NativePath();
}

}  // namespace zbk
