// Drives from a mount table through the real window: a stick mounted
// between two ticks gets the next letter, its row is selected and Enter
// catalogues it; unmounted, its row turns to " -brak- " and is selected.
#include <QApplication>
#include <QTest>
#include <fstream>

#include "platform/linux/mount_drives.h"
#include "suites.h"
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

class DrivesSuite : public QObject {
  Q_OBJECT

 private slots:
  void aStickAppearsIsSelectedIsCataloguedAndDisappears() {
    FakeSystem system;
    MountDrives drives(system.sources());
    WindowRig rig(drives);
    rig.Start();
    QVERIFY(rig.Tick());
    const ListBox& li = rig.state().w.Li;
    QVERIFY(Rows(li)[3].starts_with(" C:   lokalny                "));
    QCOMPARE(Rows(li)[4], " D:   -brak-                  ");
    QCOMPARE(li.Selected(), -1);

    rig.Key(Qt::Key_Tab);
    rig.Key(Qt::Key_Tab);
    QCOMPARE(rig.YesCaption(), "Szukaj");
    system.Write(kRoot + system.StickLine());
    QVERIFY(rig.Tick());
    QVERIFY(Rows(li)[4].starts_with(" D:  wymienny  NOWY DYSK      "));
    QCOMPARE(li.Selected(), 4);
    QCOMPARE(rig.YesCaption(), "Analizuj");

    rig.Key(Qt::Key_Return);  // in the query field, but the caption says Analizuj
    QCOMPARE(rig.work.Read("NOWY DYSK.txt"), "        700.000  Filmy\\film.mkv\r\n");

    system.Write(kRoot);
    QVERIFY(rig.Tick());
    QCOMPARE(Rows(li)[4], " D:   -brak-                  ");
    QCOMPARE(li.Selected(), 4);
  }
};

}  // namespace

std::unique_ptr<QObject> NewDrivesSuite() {
  return std::make_unique<DrivesSuite>();
}

}  // namespace zbk::testing

#include "drives_test.moc"
