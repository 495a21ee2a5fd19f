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
  drives.Refresh();
  EXPECT_EQ(drives.Query('C').type, kDriveFixed);
  const DriveInfo d = drives.Query('D');
  EXPECT_EQ(d.type, kDriveRemovable);  // the device says so
  EXPECT_EQ(d.label, std::string("Zdjęcia ?"_cp));
  EXPECT_EQ(d.serial, "1A2B-3C4D");  // the file system's UUID
  EXPECT_EQ(d.root, (fixture_ / "mnt/dysk").string());
  ASSERT_TRUE(d.free && d.total);
  EXPECT_GT(*d.total, 0);
  EXPECT_GE(*d.free, 0);
  EXPECT_LE(*d.free, *d.total);

  const DriveInfo e = drives.Query('E');
  EXPECT_EQ(e.type, kDriveFixed);
  EXPECT_EQ(e.label, "Kopia zapasowa");  // no label link: the mount point's name
  EXPECT_EQ(e.serial, std::nullopt);

  // A file bound over another is no drive.
  const DriveInfo f = drives.Query('F');
  EXPECT_EQ(f.type, kDriveNoRoot);
  EXPECT_FALSE(f.label || f.serial || f.free || f.total || f.root);
}

TEST_F(MountDrivesTest, QueriesAnswerFromTheLastRefresh) {
  Table(Line(10, "mnt/dysk", "vfat", Device("sdb1")));
  MountDrives drives = Drives();
  EXPECT_EQ(drives.Query('C').type, kDriveNoRoot) << "nothing read yet";
  drives.Refresh();
  EXPECT_EQ(drives.Query('D').type, kDriveRemovable);
  Table("");
  EXPECT_EQ(drives.Query('D').type, kDriveRemovable);
  drives.Refresh();
  EXPECT_EQ(drives.Query('D').type, kDriveNoRoot);
  EXPECT_EQ(drives.Query('D').free, std::nullopt);
  fixture_.Write("mountinfo", "");
  drives.Refresh();
  EXPECT_EQ(drives.Query('C').type, kDriveNoRoot);
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
