#include "platform/linux/mount_kinds.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "ports/os.h"

namespace zbk {
namespace {

constexpr std::array<std::string_view, 27> kPseudoTypes = {
    "aufs",     "autofs",  "binfmt_misc", "bpf",        "cgroup",      "cgroup2",      "configfs",
    "debugfs",  "devpts",  "devtmpfs",    "efivarfs",   "fusectl",     "hugetlbfs",    "mqueue",
    "nsfs",     "overlay", "proc",        "pstore",     "rpc_pipefs",  "securityfs",   "selinuxfs",
    "squashfs", "sysfs",   "tracefs",     "fuse.lxcfs", "fuse.portal", "fuse.snapfuse"};

constexpr std::array<std::string_view, 24> kNetworkTypes = {"9p",
                                                            "afs",
                                                            "ceph",
                                                            "cifs",
                                                            "coda",
                                                            "davfs",
                                                            "glusterfs",
                                                            "lustre",
                                                            "ncpfs",
                                                            "nfs",
                                                            "nfs4",
                                                            "smb3",
                                                            "smbfs",
                                                            "fuse.sshfs",
                                                            "fuse.rclone",
                                                            "fuse.s3fs",
                                                            "fuse.gcsfuse",
                                                            "fuse.curlftpfs",
                                                            "fuse.davfs2",
                                                            "fuse.smbnetfs",
                                                            "fuse.glusterfs",
                                                            "fuse.ceph-fuse",
                                                            "fuse.goofys",
                                                            "fuse.afpfs-ng"};

constexpr std::array<std::string_view, 2> kOpticalTypes = {"iso9660", "udf"};
constexpr std::array<std::string_view, 2> kRamTypes = {"tmpfs", "ramfs"};

// Places where the system keeps its own mounts.
constexpr std::array<std::string_view, 12> kSystemPlaces = {
    "/proc", "/sys",  "/dev",           "/run",      "/boot",           "/efi",
    "/etc",  "/snap", "/var/lib/snapd", "/var/snap", "/var/lib/docker", "/var/lib/containers"};

// Places where only the system mounts RAM file systems.
constexpr std::array<std::string_view, 2> kSystemRamPlaces = {"/tmp", "/var"};

// Where desktop automounters put removable media.
constexpr std::array<std::string_view, 2> kMediaPlaces = {"/media", "/run/media"};

template <std::size_t N>
bool OneOf(std::string_view value, const std::array<std::string_view, N>& set) {
  return std::find(set.begin(), set.end(), value) != set.end();
}

// `path` is `place` or lies below it.
bool Within(std::string_view path, std::string_view place) {
  return path.starts_with(place) && (path.size() == place.size() || path[place.size()] == '/');
}

template <std::size_t N>
bool WithinAny(std::string_view path, const std::array<std::string_view, N>& places) {
  return std::any_of(places.begin(), places.end(),
                     [path](std::string_view place) { return Within(path, place); });
}

bool IsDrive(const Mount& mount) {
  const std::string_view path = mount.mount_point;
  if (path == "/") return true;
  if (OneOf(mount.fs_type, kPseudoTypes)) return false;
  if (WithinAny(path, kSystemPlaces) && !WithinAny(path, kMediaPlaces)) return false;
  if (OneOf(mount.fs_type, kRamTypes) && WithinAny(path, kSystemRamPlaces)) return false;
  return true;
}

}  // namespace

std::optional<int> DriveTypeOfMount(const Mount& mount, bool removable_device) {
  if (!IsDrive(mount)) return std::nullopt;
  if (OneOf(mount.fs_type, kOpticalTypes)) return kDriveCdRom;
  if (OneOf(mount.fs_type, kNetworkTypes)) return kDriveRemote;
  if (OneOf(mount.fs_type, kRamTypes)) return kDriveRamDisk;
  if (mount.mount_point != "/" &&
      (removable_device || WithinAny(mount.mount_point, kMediaPlaces))) {
    return kDriveRemovable;
  }
  return kDriveFixed;
}

}  // namespace zbk
