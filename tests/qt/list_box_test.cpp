// The list boxes: rows kept as Windows-1250 and shown in Unicode, appended
// rows reaching the view, sorted order (stable, keeping the selected index;
// added rows taking their sorted place with the selection on its row).
#include <QClipboard>
#include <QScrollBar>
#include <QTest>

#include "platform/drivetable/drive_table.h"
#include "platform/encoding/cp1250.h"
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

  void theResultListScrollsSidewaysToItsLongestRow() {
    DriveTable drives;
    WindowRig rig(drives);
    rig.Start();
    ListView& view = rig.toolkit.window().l();
    QtListBox& l = rig.toolkit.l();
    const std::string longest = std::string(40, ' ') + std::string(150, '\xB3') + "koniec";
    l.Add(longest);
    l.Add("krótki"_cp);
    l.Replace(0, "inny"_cp);
    QTRY_VERIFY(rig.Shown());
    const QString text = QString::fromUtf8(Cp1250ToUtf8(longest));
    QVERIFY(view.columnWidth(0) >= view.fontMetrics().horizontalAdvance(text));
    QScrollBar& bar = *view.horizontalScrollBar();
    QCOMPARE(bar.maximum(), view.columnWidth(0) - view.viewport()->width());
    bar.setValue(bar.maximum());
    QVERIFY(view.viewport()->rect().contains(
        view.visualRect(view.model()->index(l.Count() - 2, 0)).topRight()));
    l.Clear();
    l.Add("krótki"_cp);
    QTRY_COMPARE(bar.maximum(), 0);
  }

  void ctrlCCopiesTheSelectedRowOfEitherList() {
    DriveTable drives;
    drives.Set('C', DriveSpec{3, 39728447488, 999653638144, "/", std::string("Dysk ŁÓDŹ"_cp),
                              std::nullopt});
    WindowRig rig(drives);
    rig.Start();
    QVERIFY(rig.Tick());
    QClipboard& clipboard = *QGuiApplication::clipboard();
    rig.toolkit.li().Select(3);
    rig.Key(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard.text(), QString::fromUtf8(Cp1250ToUtf8(rig.toolkit.li().Row(3))));
    QVERIFY(clipboard.text().contains(QString::fromUtf8("Dysk ŁÓDŹ")));
    // Ctrl and a click take the selection off the row, which stays the
    // current one: nothing is copied.
    ListView& li = rig.toolkit.window().li();
    QTest::mouseClick(li.viewport(), Qt::LeftButton, Qt::ControlModifier,
                      li.visualRect(li.model()->index(3, 0)).center());
    QCOMPARE(rig.toolkit.li().Selected(), -1);
    clipboard.setText(QStringLiteral("before"));
    rig.Key(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard.text(), QStringLiteral("before"));
    rig.Key(Qt::Key_Tab);
    rig.toolkit.l().Select(25);
    rig.Key(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard.text(), QString::fromUtf8("  Wtedy, nawet jak skatologujemy cudze dyski to "
                                                 "możemy w nich szukać."));
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
