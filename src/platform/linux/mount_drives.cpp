#include "platform/linux/mount_drives.h"

#include <fcntl.h>
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

// From what the system has at hand: a mount whose file system stops
// answering (a network share gone) must not stop the reading of the table.
bool IsFolder(const std::string& path) {
  struct statx st {};
  return statx(AT_FDCWD, path.c_str(), AT_STATX_DONT_SYNC | AT_NO_AUTOMOUNT, STATX_TYPE, &st) ==
             0 &&
         S_ISDIR(st.stx_mode);
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

void MountDrives::Refresh() {
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
  const std::lock_guard lock(mutex_);
  letters_.Update(drives);
}

DriveInfo MountDrives::Query(char letter) {
  DriveInfo info;
  MountedDrive drive;
  {
    const std::lock_guard lock(mutex_);
    const MountedDrive* at = letters_.At(letter);
    if (at == nullptr) return info;
    drive = *at;
  }
  const Mount& mount = drive.mount;
  info.type = drive.type;
  info.root = mount.mount_point;
  const std::optional<std::string> label = LabelOfDevice(sources_.labels, mount.source);
  const std::string shown = label ? *label : LastPart(mount.mount_point);
  info.label = Utf8ToCp1250(shown);
  info.label_exact = FitsCp1250(shown);
  // The links of /dev/disk/by-uuid are named and escaped as those of the
  // labels are.
  if (const auto uuid = LabelOfDevice(sources_.uuids, mount.source))
    info.serial = Utf8ToCp1250(*uuid);
  if (struct statvfs st{}; statvfs(mount.mount_point.c_str(), &st) == 0) {
    info.free = Bytes(st.f_bavail, st.f_frsize);
    info.total = Bytes(st.f_blocks, st.f_frsize);
  }
  return info;
}

}  // namespace zbk
