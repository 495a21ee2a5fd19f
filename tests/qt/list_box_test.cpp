// The list boxes: rows kept as Windows-1250 and shown in Unicode, appended
// rows reaching the view, sorted order (stable, keeping the selected index;
// added rows taking their sorted place with the selection on its row).
#include <QTest>

#include "platform/drivetable/drive_table.h"
#include "suites.h"
#include "text/literal.h"
#include "window_rig.h"

namespace zbk::testing {
namespace {

class ListBoxSuite : public QObject {
  Q_OBJECT

 private slots:
  void rowsAreShownInUnicodeAndReachTheViewByTheNextEvents() {
    DriveTable drives;
    WindowRig rig(drives);
    rig.Start();
    QtListBox& l = rig.toolkit.l();
    l.Clear();
    QCOMPARE(l.Selected(), -1);
    for (int i = 0; i < 100; ++i) l.Add("Zażółć gęślą jaźń"_cp);
    l.Replace(99, "Łódź"_cp);
    QCOMPARE(l.Count(), 100);
    QCOMPARE(l.Row(99), std::string("Łódź"_cp));
    QCOMPARE(l.Row(100), std::string());
    l.Replace(100, "nic");
    QCOMPARE(l.Count(), 100);
    ListView& view = rig.toolkit.window().l();
    QTRY_COMPARE(view.model()->rowCount(), 100);
    QCOMPARE(view.model()->index(0, 0).data().toString(), QString::fromUtf8("Zażółć gęślą jaźń"));
    QCOMPARE(view.model()->index(99, 0).data().toString(), QString::fromUtf8("Łódź"));
    l.Add("ostatni");
    l.Select(100);
    QCOMPARE(l.Selected(), 100);
    QVERIFY(view.viewport()->rect().contains(view.visualRect(view.model()->index(100, 0))));
    l.Select(-1);
    QCOMPARE(l.Selected(), -1);
  }

  void sortingIsStableAndKeepsTheSelectedIndex() {
    DriveTable drives;
    WindowRig rig(drives);
    rig.Start();
    QtListBox& l = rig.toolkit.l();
    l.Clear();
    for (const char* row : {"b2", "B1", "a", "        300.000", "b1", "      1.000.000", "A"})
      l.Add(row);
    l.Select(1);
    l.SetSorted(true);
    QCOMPARE(Rows(l), (std::vector<std::string>{"        300.000", "      1.000.000", "a", "A",
                                                "B1", "b1", "b2"}));
    QCOMPARE(l.Selected(), 1);
    QVERIFY(l.Sorted());
    l.Select(5);
    l.SetSorted(true);
    QCOMPARE(l.Selected(), 5);
  }

  void rowsAddedWhileSortedTakeTheirPlaceAndTheSelectionStaysOnItsRow() {
    DriveTable drives;
    WindowRig rig(drives);
    rig.Start();
    QtListBox& l = rig.toolkit.l();
    l.Clear();
    for (const char* row : {"c", "e", "g"}) l.Add(row);
    l.SetSorted(true);
    l.Select(1);
    l.Add("a");
    l.Add("E");
    l.Add("z");
    QCOMPARE(Rows(l), (std::vector<std::string>{"a", "c", "e", "E", "g", "z"}));
    QCOMPARE(l.Selected(), 2);
    QCOMPARE(rig.toolkit.window().l().model()->rowCount(), 6);
    l.SetSorted(false);
    l.Add("b");
    QCOMPARE(l.Row(6), "b");
    QCOMPARE(l.Selected(), 2);
  }

  void homeAndEndGoToTheFirstAndLastRow() {
    DriveTable drives;
    WindowRig rig(drives);
    rig.Start();
    rig.Key(Qt::Key_Tab);
    rig.Key(Qt::Key_End);
    QCOMPARE(rig.state().w.L.Selected(), 25);
    rig.Key(Qt::Key_Home);
    QCOMPARE(rig.state().w.L.Selected(), 0);
    rig.Key(Qt::Key_Down);
    QCOMPARE(rig.state().w.L.Selected(), 1);
  }

  void theQueryFieldGivesWindows1250() {
    DriveTable drives;
    WindowRig rig(drives);
    rig.Start();
    rig.toolkit.window().e().setText(QString::fromUtf8("źdźbło € 漢"));
    QCOMPARE(rig.state().w.E.Text(), std::string("źdźbło € ?"_cp));
  }
};

}  // namespace

std::unique_ptr<QObject> NewListBoxSuite() {
  return std::make_unique<ListBoxSuite>();
}

}  // namespace zbk::testing

#include "list_box_test.moc"
