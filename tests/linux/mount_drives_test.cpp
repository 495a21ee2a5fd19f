// The drives of a system read from fixture files: a mount table, label
// links and the block devices' removable flags.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/linux/device_facts.h"
#include "platform/linux/mount_drives.h"
#include "support/temp_folder.h"
#include "text/literal.h"

namespace zbk {
namespace {

using testing::TempFolder;

class MountDrivesTest : public ::testing::Test {
 protected:
  MountDrivesTest() {
    fixture_.File("dev/sdb1", 0);
    fixture_.File("dev/sdc", 0);
    fixture_.Folder("by-label");
    fixture_.File("block/sdb/sdb1/partition", 0);
    fixture_.Write("block/sdb/removable", "1\n");
    std::filesystem::create_directory_symlink(fixture_ / "block/sdb/sdb1", fixture_ / "block/sdb1");
    fixture_.Write("block/sdc/removable", "0\n");
    fixture_.Folder("media/Kopia zapasowa");
    fixture_.Folder("mnt/dysk");
    fixture_.File("hostname", 10);
    std::filesystem::create_symlink("../dev/sdb1",
                                    fixture_ / "by-label/Zdj\\xc4\\x99cia\\x20\\xe6\\xbc\\xa2");
    fixture_.Folder("by-uuid");
    std::filesystem::create_symlink("../dev/sdb1", fixture_ / "by-uuid/1A2B-3C4D");
  }

  void Table(const std::string& lines) {
    fixture_.Write("mountinfo", "1 0 8:1 / / rw - ext4 /dev/root rw\n" + lines);
  }
  std::string Line(int id, const std::string& where, const std::string& type,
                   const std::string& source) const {
    std::string escaped = (fixture_ / where).string();
    for (auto at = escaped.find(' '); at != std::string::npos; at = escaped.find(' ', at)) {
      escaped.replace(at, 1, "\\040");
    }
    return std::to_string(id) + " 1 8:1 / " + escaped + " rw - " + type + " " + source + " rw\n";
  }
  MountDrives Drives() const {
    return MountDrives({(fixture_ / "mountinfo").string(), (fixture_ / "by-label").string(),
                        (fixture_ / "block").string(), (fixture_ / "by-uuid").string()});
  }
  std::string Device(const std::string& name) const { return (fixture_ / "dev" / name).string(); }

  TempFolder fixture_;
};

TEST_F(MountDrivesTest, DrivesShowTypeLabelSpaceAndRoot) {
  Table(Line(10, "mnt/dysk", "vfat", Device("sdb1")) +
        Line(11, "media/Kopia zapasowa", "ext4", Device("sdc")) +
        Line(12, "hostname", "ext4", Device("sdc")));
  MountDrives drives = Drives();
  EXPECT_EQ(drives.DriveType("C:\\"), kDriveFixed);
  EXPECT_EQ(drives.DriveType("D:\\"), kDriveRemovable);  // the device says so
  std::string label;
  ASSERT_TRUE(drives.VolumeLabel("D:\\", label));
  EXPECT_EQ(label, std::string("Zdjęcia ?"_cp));
  EXPECT_EQ(drives.VolumeSerial("D:\\"), "1A2B-3C4D");  // the file system's UUID
  EXPECT_EQ(drives.RootFolder('D'), (fixture_ / "mnt/dysk").string());
  EXPECT_GT(drives.DiskSize(4), 0);
  EXPECT_GE(drives.DiskFree(4), 0);
  EXPECT_LE(drives.DiskFree(4), drives.DiskSize(4));

  EXPECT_EQ(drives.DriveType("E:\\"), kDriveFixed);  // no label link: the mount point's name
  ASSERT_TRUE(drives.VolumeLabel("E:\\", label));
  EXPECT_EQ(label, "Kopia zapasowa");
  EXPECT_EQ(drives.VolumeSerial("E:\\"), std::nullopt);

  // A file bound over another is no drive.
  EXPECT_EQ(drives.DriveType("F:\\"), kDriveNoRoot);
  EXPECT_FALSE(drives.VolumeLabel("F:\\", label));
  EXPECT_EQ(drives.DiskFree(6), -1);
  EXPECT_EQ(drives.DiskSize(6), -1);
  EXPECT_EQ(drives.RootFolder('F'), "");
}

TEST_F(MountDrivesTest, EachTypeQuestionReadsTheTableAfresh) {
  Table(Line(10, "mnt/dysk", "vfat", Device("sdb1")));
  MountDrives drives = Drives();
  EXPECT_EQ(drives.DriveType("D:\\"), kDriveRemovable);
  Table("");
  EXPECT_EQ(drives.DriveType("D:\\"), kDriveNoRoot);
  EXPECT_EQ(drives.DiskFree(4), -1);
  fixture_.Write("mountinfo", "");
  EXPECT_EQ(drives.DriveType("C:\\"), kDriveNoRoot);
}

TEST(DeviceFacts, UdevEscapesAreDecoded) {
  EXPECT_EQ(DecodeUdevEscapes("MOJ\\x20DYSK"), "MOJ DYSK");
  EXPECT_EQ(DecodeUdevEscapes("a\\x2fb\\x5C"), "a/b\\");
  EXPECT_EQ(DecodeUdevEscapes("a\\x5"), "a\\x5");
  EXPECT_EQ(DecodeUdevEscapes("\\xzz"), "\\xzz");
}

TEST(DeviceFacts, NoLabelForSourcesThatAreNoDevices) {
  EXPECT_EQ(LabelOfDevice("/nonexistent", "tmpfs"), std::nullopt);
  EXPECT_EQ(LabelOfDevice("/nonexistent", "server:/share"), std::nullopt);
  EXPECT_FALSE(RemovableDevice("/nonexistent", "tmpfs"));
}

}  // namespace
}  // namespace zbk
