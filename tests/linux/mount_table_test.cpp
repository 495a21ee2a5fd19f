// The mount table: parsing /proc/self/mountinfo, which mounts are drives
// and of what type, and the letters they get and keep.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/linux/drive_letters.h"
#include "platform/linux/mount_kinds.h"
#include "platform/linux/mount_table.h"
#include "ports/os.h"

namespace zbk {
namespace {

// A desktop: the root, a home disk, system mounts, a stick with a spaced
// label, a DVD, shares, a RAM disk of the user's, a snap image.
constexpr std::string_view kDesktop =
    "22 28 0:21 / /sys rw,nosuid,nodev,noexec,relatime shared:7 - sysfs sysfs rw\n"
    "23 28 0:22 / /proc rw,nosuid,nodev,noexec,relatime shared:14 - proc proc rw\n"
    "24 28 0:5 / /dev rw,nosuid,relatime shared:2 - devtmpfs udev rw,size=8000000k\n"
    "26 28 0:24 / /run rw,nosuid,nodev,noexec,relatime shared:5 - tmpfs tmpfs rw\n"
    "28 1 259:2 / / rw,relatime shared:1 - ext4 /dev/nvme0n1p2 rw,errors=remount-ro\n"
    "30 22 0:27 / /sys/fs/cgroup rw,nosuid shared:9 - cgroup2 cgroup2 rw\n"
    "45 28 259:1 / /boot/efi rw,relatime shared:30 - vfat /dev/nvme0n1p1 rw\n"
    "47 28 259:3 / /home rw,relatime shared:31 - ext4 /dev/nvme0n1p3 rw\n"
    "50 28 7:0 / /snap/core22/1033 ro,nodev,relatime shared:32 - squashfs /dev/loop0 ro\n"
    "60 28 0:40 / /tmp rw,nosuid,nodev shared:40 - tmpfs tmpfs rw\n"
    "61 26 0:41 / /run/user/1000 rw,nosuid,nodev,relatime shared:41 - tmpfs tmpfs rw\n"
    "62 61 0:42 / /run/user/1000/gvfs rw,nosuid,nodev,relatime shared:42 - fuse.gvfsd-fuse "
    "gvfsd-fuse rw\n"
    "70 28 0:50 / /mnt/ram rw,relatime shared:50 - tmpfs tmpfs rw,size=1048576k\n"
    "80 28 0:51 / /mnt/nas rw,relatime shared:51 - nfs4 nas:/export rw\n"
    "81 28 0:52 / /mnt/smb rw,relatime shared:52 - cifs //server/share rw\n"
    "82 47 0:53 / /home/jan/zdalny rw,nosuid,nodev,relatime shared:53 - fuse.sshfs "
    "jan@host:/srv rw\n"
    "90 26 8:17 / /run/media/jan/MOJ\\040PENDRIVE rw,nosuid,nodev,relatime shared:60 - "
    "vfat /dev/sdb1 rw\n"
    "91 28 11:0 / /media/jan/WAKACJE_2019 ro,nosuid,nodev,relatime shared:61 - iso9660 "
    "/dev/sr0 ro\n"
    "92 28 8:33 / /media/jan/Dysk\\011z\\134tabem rw,relatime shared:62 - fuseblk /dev/sdc1 "
    "rw\n"
    "93 28 8:49 / /srv/kopie rw,relatime - ext4 /dev/sdd1 rw\n";

// A container: an overlay root, files bound over others, masked /proc
// entries.
constexpr std::string_view kContainer =
    "600 550 0:90 / / rw,relatime master:300 - overlay overlay rw,lowerdir=/a:/b\n"
    "601 600 0:93 / /proc rw,nosuid,nodev,noexec,relatime - proc proc rw\n"
    "602 600 0:94 / /dev rw,nosuid - tmpfs tmpfs rw,size=65536k,mode=755\n"
    "610 600 254:1 /var/lib/docker/containers/abc/hostname /etc/hostname rw,relatime - ext4 "
    "/dev/vda1 rw\n"
    "611 600 254:1 /home/jan/projekt /work rw,relatime - ext4 /dev/vda1 rw\n"
    "612 601 0:95 / /proc/acpi ro,relatime - tmpfs tmpfs ro\n";

std::vector<MountedDrive> Drives(std::string_view table) {
  std::vector<MountedDrive> drives;
  for (Mount& mount : ParseMountInfo(table)) {
    if (const auto type = DriveTypeOfMount(mount, false)) {
      drives.push_back(MountedDrive{std::move(mount), *type});
    }
  }
  return drives;
}

std::string MountPointAt(const DriveLetters& letters, char letter) {
  const MountedDrive* drive = letters.At(letter);
  return drive ? drive->mount.mount_point : "-";
}

TEST(MountInfo, FieldsAreReadAroundTheOptionalOnesAndEscapesDecoded) {
  const std::vector<Mount> mounts = ParseMountInfo(kDesktop);
  ASSERT_EQ(mounts.size(), 20u);
  EXPECT_EQ(mounts[4].id, 28);
  EXPECT_EQ(mounts[4].root, "/");
  EXPECT_EQ(mounts[4].mount_point, "/");
  EXPECT_EQ(mounts[4].fs_type, "ext4");
  EXPECT_EQ(mounts[4].source, "/dev/nvme0n1p2");
  EXPECT_EQ(mounts[16].mount_point, "/run/media/jan/MOJ PENDRIVE");
  EXPECT_EQ(mounts[18].mount_point, "/media/jan/Dysk\tz\\tabem");
  EXPECT_EQ(mounts[15].fs_type, "fuse.sshfs");
  EXPECT_EQ(mounts[15].source, "jan@host:/srv");
  const std::vector<Mount> container = ParseMountInfo(kContainer);
  ASSERT_EQ(container.size(), 6u);
  EXPECT_EQ(container[3].root, "/var/lib/docker/containers/abc/hostname");
}

TEST(MountInfo, MalformedLinesAreLeftOut) {
  const std::vector<Mount> mounts = ParseMountInfo(
      "garbage\n"
      "\n"
      "x 1 0:1 / /a rw - ext4 /dev/a rw\n"                   // no number
      "5 1 0:1 / /b rw shared:1 master:2\n"                  // no separator
      "6 1 0:1 / relative rw - ext4 /dev/c rw\n"             // not an absolute mount point
      "7 1 0:1 / /d rw shared:1 master:2 - xfs /dev/d rw");  // last line without newline
  ASSERT_EQ(mounts.size(), 1u);
  EXPECT_EQ(mounts[0].mount_point, "/d");
  EXPECT_EQ(mounts[0].fs_type, "xfs");
}

TEST(MountInfo, OnlyCompleteOctalEscapesAreDecoded) {
  EXPECT_EQ(DecodeOctalEscapes("a\\040b\\012c\\134d"), "a b\nc\\d");
  EXPECT_EQ(DecodeOctalEscapes("\\04"), "\\04");
  EXPECT_EQ(DecodeOctalEscapes("\\049"), "\\049");
  EXPECT_EQ(DecodeOctalEscapes("\\777"), "\\777");
  EXPECT_EQ(DecodeOctalEscapes("\\303\\263"), "\xC3\xB3");
}

TEST(MountKinds, SystemMountsAreNoDrivesAndTheOthersHaveTheirTypes) {
  std::vector<std::pair<std::string, int>> found;
  for (const Mount& mount : ParseMountInfo(kDesktop)) {
    if (const auto type = DriveTypeOfMount(mount, false))
      found.emplace_back(mount.mount_point, *type);
  }
  EXPECT_EQ(found, (std::vector<std::pair<std::string, int>>{
                       {"/", kDriveFixed},
                       {"/home", kDriveFixed},
                       {"/mnt/ram", kDriveRamDisk},
                       {"/mnt/nas", kDriveRemote},
                       {"/mnt/smb", kDriveRemote},
                       {"/home/jan/zdalny", kDriveRemote},
                       {"/run/media/jan/MOJ PENDRIVE", kDriveRemovable},
                       {"/media/jan/WAKACJE_2019", kDriveCdRom},
                       {"/media/jan/Dysk\tz\\tabem", kDriveRemovable},
                       {"/srv/kopie", kDriveFixed},
                   }));
}

TEST(MountKinds, ARemovableDeviceIsRemovableWhereverItIsMountedButTheRootIsNot) {
  const Mount disk{1, "/", "/srv/kopie", "ext4", "/dev/sdd1"};
  EXPECT_EQ(DriveTypeOfMount(disk, true), kDriveRemovable);
  const Mount root{2, "/", "/", "ext4", "/dev/sda1"};
  EXPECT_EQ(DriveTypeOfMount(root, true), kDriveFixed);
  const Mount overlay_root{3, "/", "/", "overlay", "overlay"};
  EXPECT_EQ(DriveTypeOfMount(overlay_root, false), kDriveFixed);
}

TEST(MountKinds, AContainerShowsItsRootAndItsBoundFolderOnly) {
  std::vector<std::string> found;
  for (const MountedDrive& drive : Drives(kContainer)) found.push_back(drive.mount.mount_point);
  EXPECT_EQ(found, (std::vector<std::string>{"/", "/work"}));
}

TEST(DriveLetters, RootIsCAndTheOthersFollowFromDInTableOrder) {
  DriveLetters letters;
  letters.Update(Drives(kDesktop));
  EXPECT_EQ(MountPointAt(letters, 'A'), "-");
  EXPECT_EQ(MountPointAt(letters, 'B'), "-");
  EXPECT_EQ(MountPointAt(letters, 'C'), "/");
  EXPECT_EQ(MountPointAt(letters, 'D'), "/home");
  EXPECT_EQ(MountPointAt(letters, 'E'), "/mnt/ram");
  EXPECT_EQ(MountPointAt(letters, 'J'), "/media/jan/WAKACJE_2019");
  EXPECT_EQ(MountPointAt(letters, 'L'), "/srv/kopie");
  EXPECT_EQ(MountPointAt(letters, 'M'), "-");
  EXPECT_EQ(letters.At('J')->type, kDriveCdRom);
}

TEST(DriveLetters, ADriveKeepsItsLetterWhileMountedAndAFreedLetterIsTakenAgain) {
  const std::string root = "1 0 8:1 / / rw - ext4 /dev/sda1 rw\n";
  const std::string first = "10 1 8:17 / /media/a rw - vfat /dev/sdb1 rw\n";
  const std::string second = "11 1 8:33 / /media/b rw - vfat /dev/sdc1 rw\n";
  const std::string third = "12 1 8:49 / /media/c rw - vfat /dev/sdd1 rw\n";
  DriveLetters letters;
  letters.Update(Drives(root + first + second));
  EXPECT_EQ(MountPointAt(letters, 'D'), "/media/a");
  EXPECT_EQ(MountPointAt(letters, 'E'), "/media/b");
  letters.Update(Drives(root + second));
  EXPECT_EQ(MountPointAt(letters, 'D'), "-");
  EXPECT_EQ(MountPointAt(letters, 'E'), "/media/b");
  letters.Update(Drives(root + third + second));
  EXPECT_EQ(MountPointAt(letters, 'D'), "/media/c");
  EXPECT_EQ(MountPointAt(letters, 'E'), "/media/b");
  // Mounted again: a new mount, which takes the next free letter.
  letters.Update(Drives(root + third + second + first));
  EXPECT_EQ(MountPointAt(letters, 'F'), "/media/a");
  letters.Update(Drives(first));
  EXPECT_EQ(MountPointAt(letters, 'C'), "-");
  EXPECT_EQ(MountPointAt(letters, 'F'), "/media/a");
}

TEST(DriveLetters, OnlyTheTopMountOfAMountPointCountsAndLettersEndAtZ) {
  std::string table = "1 0 8:1 / / rw - ext4 /dev/sda1 rw\n";
  table += "10 1 8:17 / /media/x rw - vfat /dev/sdb1 rw\n";
  table += "11 1 8:33 / /media/x rw - ext4 /dev/sdc1 rw\n";
  for (int i = 0; i < 30; ++i) {
    table += std::to_string(20 + i) + " 1 0:1 / /mnt/d" + std::to_string(i) + " rw - ext4 x rw\n";
  }
  DriveLetters letters;
  letters.Update(Drives(table));
  EXPECT_EQ(letters.At('D')->mount.source, "/dev/sdc1");
  EXPECT_EQ(MountPointAt(letters, 'E'), "/mnt/d0");
  EXPECT_EQ(MountPointAt(letters, 'Z'), "/mnt/d21");
  EXPECT_EQ(letters.At('['), nullptr);
}

}  // namespace
}  // namespace zbk
