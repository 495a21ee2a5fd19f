// Drives from a mount table through the real window: a stick mounted
// between two ticks gets the next letter, its row is selected and Enter
// catalogues it; unmounted, its row turns to " -brak- " and is selected.
#include "platform/linux/mount_drives.h"
#include "window_rig.h"

namespace zbk::testing {
namespace {

const std::string kRoot = "26 1 254:0 / / rw,relatime - ext4 /dev/vda rw\n";

// A mount table of the test's own, a stick's device and its medium, the
// device's removable flag and its label link.
class FakeSystem {
 public:
  FakeSystem() {
    folder_.File("dev/sdb1", 0);
    folder_.Folder("STICK");
    folder_.File("STICK/Filmy/film.mkv", 700000);
    folder_.Write("block/removable", "1\n");
    folder_.File("block/sdb1/partition", 0);
    folder_.Folder("by-label");
    std::filesystem::create_symlink("../dev/sdb1", folder_ / "by-label/NOWY\\x20DYSK");
    Write(kRoot);
  }
  MountSources sources() const {
    return {(folder_ / "mountinfo").string(), (folder_ / "by-label").string(),
            (folder_ / "block").string()};
  }
  void Write(const std::string& table) { folder_.Write("mountinfo", table); }
  std::string StickLine() const {
    return "40 26 8:17 / " + (folder_ / "STICK").string() + " rw - vfat " +
           (folder_ / "dev/sdb1").string() + " rw\n";
  }

 private:
  TempFolder folder_;
};

TEST(QtDrives, AStickAppearsIsSelectedIsCataloguedAndDisappears) {
  FakeSystem system;
  MountDrives drives(system.sources());
  WindowRig rig(&drives);
  rig.Start();
  ASSERT_TRUE(rig.Tick());
  const ListBox& li = rig.state().w.Li;
  EXPECT_TRUE(Rows(li)[3].starts_with(" C:   lokalny                "));
  EXPECT_EQ(Rows(li)[4], " D:   -brak-                  ");
  EXPECT_EQ(li.Selected(), -1);

  rig.Key(Qt::Key_Tab);
  rig.Key(Qt::Key_Tab);
  EXPECT_EQ(rig.YesCaption(), "Szukaj");
  system.Write(kRoot + system.StickLine());
  ASSERT_TRUE(rig.Tick());
  EXPECT_TRUE(Rows(li)[4].starts_with(" D:  wymienny  NOWY DYSK      "));
  EXPECT_EQ(li.Selected(), 4);
  EXPECT_EQ(rig.YesCaption(), "Analizuj");

  rig.Key(Qt::Key_Return);  // in the query field, but the caption says Analizuj
  EXPECT_EQ(rig.Catalogue("NOWY DYSK.txt"), "        700.000  Filmy\\film.mkv\r\n");

  system.Write(kRoot);
  ASSERT_TRUE(rig.Tick());
  EXPECT_EQ(Rows(li)[4], " D:   -brak-                  ");
  EXPECT_EQ(li.Selected(), 4);
}

}  // namespace
}  // namespace zbk::testing
