// Commands through the real window on temporary folders: a catalogue run of
// a drive and a search of the catalogues, Esc and closing the window while
// a command runs, and the error report of a command a file error aborts.
#include <sys/stat.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "platform/drivetable/drive_table.h"
#include "suites.h"
#include "text/literal.h"
#include "window_rig.h"

namespace zbk::testing {
namespace {

// A memory stick at F: with three files worth listing and one too small.
class StickDrives {
 public:
  StickDrives() {
    disk_.File("Zdjęcia/Wakacje 2019/IMG_0001.JPG", 2345678);
    disk_.File("Zdjęcia/Wakacje 2019/IMG_0002.JPG", 3456789);
    disk_.File("Muzyka/Kołysanka.mp3", 4567890);
    disk_.File("Muzyka/okładka.txt", 1200);
    drives.Set('C', DriveSpec{3, 39728447488, 999653638144, "/", std::string(), std::nullopt});
    drives.Set('F', DriveSpec{2, 1073741824, 16106127360, disk_.path().string(),
                              std::string("MOJ_PENDRIVE"), std::nullopt});
  }
  DriveTable drives;

 private:
  TempFolder disk_;
};

const std::string kCatalogue = std::string(
    "      4.567.890  Muzyka\\Ko\xB3ysanka.mp3\r\n"
    "      2.345.678  Zdj\xEA"
    "cia\\Wakacje 2019\\IMG_0001.JPG\r\n"
    "      3.456.789  Zdj\xEA"
    "cia\\Wakacje 2019\\IMG_0002.JPG\r\n");

// Starts the window, ticks once and selects F: with a click.
void SelectTheStick(WindowRig& rig) {
  rig.Start();
  QVERIFY(rig.Tick());
  rig.ClickRow(rig.toolkit.window().li(), 6);
  QCOMPARE(rig.state().w.Li.Selected(), 6);
}

class CommandsSuite : public QObject {
  Q_OBJECT

 private slots:
  void enterCataloguesTheSelectedDriveThenTabAndEnterSearch() {
    StickDrives stick;
    WindowRig rig(stick.drives);
    SelectTheStick(rig);
    rig.Key(Qt::Key_Return);
    QCOMPARE(rig.work.Read("MOJ_PENDRIVE.txt"), kCatalogue);
    QCOMPARE(Rows(rig.toolkit.l()),
             (std::vector<std::string>{"      4.567.890  Muzyka\\Kołysanka.mp3",
                                       "      2.345.678  Zdjęcia\\Wakacje 2019\\IMG_0001.JPG",
                                       "      3.456.789  Zdjęcia\\Wakacje 2019\\IMG_0002.JPG"}));
    QtWindow& window = rig.toolkit.window();
    QCOMPARE(window.l().model()->index(0, 0).data().toString(),
             QString::fromUtf8("      4.567.890  Muzyka\\Kołysanka.mp3"));
    QCOMPARE(QApplication::focusWidget(), &window.l());
    QCOMPARE(rig.YesCaption(), "Zmień");
    QVERIFY(rig.Status().startsWith(QString::fromUtf8(" Koniec F:, ew. podziękowania")));

    rig.Key(Qt::Key_Tab);
    window.e().selectAll();
    rig.Type(QString::fromUtf8("wakacje JPG"));
    rig.Key(Qt::Key_Return);
    QCOMPARE(Rows(rig.toolkit.l()),
             (std::vector<std::string>{
                 " MOJ_PENDRIVE.txt:       2.345.678  Zdjęcia\\Wakacje 2019\\IMG_0001.JPG",
                 " MOJ_PENDRIVE.txt:       3.456.789  Zdjęcia\\Wakacje 2019\\IMG_0002.JPG",
                 " Dyski:", "        MOJ_PENDRIVE.txt"}));
    QCOMPARE(rig.state().w.L.Selected(), 3);
    QCOMPARE(QApplication::focusWidget(), &window.e());
    QCOMPARE(rig.YesCaption(), "Szukaj");
    QCOMPARE(rig.Status(), QString::fromUtf8(" Koniec szukania."));
    QVERIFY(window.yes().isEnabled());
  }

  void escWhileARunIsGoingStopsItAndTheWindowStays() {
    StickDrives stick;
    WindowRig rig(stick.drives);
    SelectTheStick(rig);
    bool busy_when_pressed = false;
    QTimer::singleShot(0, [&] {
      busy_when_pressed = rig.state().Busy() && !rig.toolkit.window().yes().isEnabled();
      rig.Key(Qt::Key_Escape);
    });
    rig.Key(Qt::Key_Return);
    QVERIFY(busy_when_pressed);
    QCOMPARE(rig.work.Read("MOJ_PENDRIVE.txt"), std::string());
    QVERIFY(!rig.toolkit.closed());
    QVERIFY(rig.toolkit.window().yes().isEnabled());
    QCOMPARE(rig.state().BusyFlag, 0);
  }

  void closingTheWindowDuringARunLetsItFinishThenCloses() {
    StickDrives stick;
    WindowRig rig(stick.drives);
    SelectTheStick(rig);
    bool open_after_close = false;
    QTimer::singleShot(0, [&] {
      rig.toolkit.window().close();
      open_after_close = rig.toolkit.window().isVisible() && !rig.toolkit.closed();
    });
    rig.Key(Qt::Key_Return);
    QVERIFY(open_after_close);
    QCOMPARE(rig.work.Read("MOJ_PENDRIVE.txt"), kCatalogue);
    QVERIFY(rig.toolkit.closed());
    QVERIFY(!rig.toolkit.window().isVisible());
    QVERIFY(!rig.toolkit.timer().isActive());
    // Nothing reaches the handlers any more.
    rig.fo.state().w.E.Focus();
    QCOMPARE(rig.YesCaption(), "Zmień");
  }

  void aFileErrorEndsTheCommandWithTheErrorReport() {
    StickDrives stick;
    WindowRig rig(stick.drives);
    rig.Start();
    QCOMPARE(mkfifo((rig.work / "ZEPSUTY.TXT").c_str(), 0644), 0);  // no file to read
    rig.Key(Qt::Key_Tab);
    rig.Key(Qt::Key_Tab);
    rig.toolkit.window().e().selectAll();
    rig.Type(QString::fromUtf8("x"));
    rig.Key(Qt::Key_Return);
    QCOMPARE(rig.errors,
             std::vector<std::string>{std::string("Nie mogę otworzyć pliku ZEPSUTY.TXT"_cp)});
    QVERIFY(!rig.toolkit.window().yes().isEnabled());
    rig.Key(Qt::Key_Escape);
    QVERIFY(!rig.toolkit.closed());
    rig.Key(Qt::Key_Escape);
    QVERIFY(rig.toolkit.closed());
  }
};

}  // namespace

std::unique_ptr<QObject> NewCommandsSuite() {
  return std::make_unique<CommandsSuite>();
}

}  // namespace zbk::testing

#include "commands_test.moc"
