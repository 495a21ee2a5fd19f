// Which mounts a Windows user would see as drives, and the drive type each
// shows. Pseudo and system file systems (proc, sysfs, cgroup, devtmpfs, the
// overlay layers of containers, snap images, anything under /proc, /sys,
// /dev, /run, /boot, /etc, ...) are no drives; removable media, other disks,
// network shares, optical discs and RAM disks mounted by the user are.
#pragma once

#include <optional>

#include "platform/linux/mount_table.h"

namespace zbk {

// The drive type code of a mount (removable 2, fixed 3, remote 4, optical
// 5, RAM disk 6), or nothing for a mount that is no drive. The root "/" is
// always a drive. `removable_device`: the block device behind the mount
// says its medium can be removed.
std::optional<int> DriveTypeOfMount(const Mount& mount, bool removable_device);

}  // namespace zbk
