// The list boxes as only Qt has them: rows kept as Windows-1250 and shown
// in Unicode, appended rows reaching the view a moment later, Home and End,
// sideways scrolling, Ctrl+C. What every list box does is the list boxes'
// contract (contract_test.cpp).
#include <QClipboard>
#include <QScrollBar>

#include "platform/encoding/cp1250.h"
#include "window_rig.h"

namespace zbk::testing {
namespace {

class QtListBoxes : public StartedWindow {};

TEST_F(QtListBoxes, RowsAreShownInUnicodeAndReachTheViewByTheNextEvents) {
  QtListBox& l = rig.toolkit.l();
  l.Clear();
  for (int i = 0; i < 100; ++i) l.Add("Zażółć gęślą jaźń"_cp);
  l.Replace(99, "Łódź"_cp);
  ListView& view = rig.toolkit.window().l();
  ASSERT_TRUE(QTest::qWaitFor([&] { return view.model()->rowCount() == 100; }));
  EXPECT_EQ(view.model()->index(0, 0).data().toString().toStdString(), "Zażółć gęślą jaźń");
  EXPECT_EQ(view.model()->index(99, 0).data().toString().toStdString(), "Łódź");
  l.Add("ostatni");
  l.Select(100);
  EXPECT_TRUE(view.viewport()->rect().contains(view.visualRect(view.model()->index(100, 0))));
  l.SetSorted(true);
  l.Add("a");  // a row inserted in sorted order reaches the view at once
  EXPECT_EQ(view.model()->rowCount(), 102);
}

TEST_F(QtListBoxes, HomeAndEndGoToTheFirstAndLastRow) {
  rig.Key(Qt::Key_Tab);
  rig.Key(Qt::Key_End);
  EXPECT_EQ(rig.state().w.L.Selected(), 25);
  rig.Key(Qt::Key_Home);
  EXPECT_EQ(rig.state().w.L.Selected(), 0);
  rig.Key(Qt::Key_Down);
  EXPECT_EQ(rig.state().w.L.Selected(), 1);
}

TEST_F(QtListBoxes, TheResultListScrollsSidewaysToItsLongestRow) {
  ListView& view = rig.toolkit.window().l();
  QtListBox& l = rig.toolkit.l();
  const std::string longest = std::string(40, ' ') + std::string(150, '\xB3') + "koniec";
  l.Add(longest);
  l.Add("krótki"_cp);
  l.Replace(0, "inny"_cp);
  ASSERT_TRUE(QTest::qWaitFor([this] { return rig.Shown(); }));
  const QString text = QString::fromUtf8(Cp1250ToUtf8(longest));
  EXPECT_GE(view.columnWidth(0), view.fontMetrics().horizontalAdvance(text));
  QScrollBar& bar = *view.horizontalScrollBar();
  EXPECT_EQ(bar.maximum(), view.columnWidth(0) - view.viewport()->width());
  bar.setValue(bar.maximum());
  EXPECT_TRUE(view.viewport()->rect().contains(
      view.visualRect(view.model()->index(l.Count() - 2, 0)).topRight()));
  l.Clear();
  l.Add("krótki"_cp);
  EXPECT_TRUE(QTest::qWaitFor([&] { return bar.maximum() == 0; }));
}

TEST(QtClipboard, CtrlCCopiesTheSelectedRowOfEitherList) {
  WindowRig rig;
  rig.drives.Set(
      'C', DriveInfo{3, 39728447488, 999653638144, "/", std::string("Dysk ŁÓDŹ"_cp), std::nullopt});
  rig.Start();
  ASSERT_TRUE(rig.Tick());
  QClipboard& clipboard = *QGuiApplication::clipboard();
  rig.toolkit.li().Select(3);
  rig.Key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(clipboard.text().toStdString(), Cp1250ToUtf8(rig.toolkit.li().Row(3)));
  EXPECT_TRUE(clipboard.text().contains(QString::fromUtf8("Dysk ŁÓDŹ")));
  // Ctrl and a click take the selection off the row, which stays the
  // current one: nothing is copied.
  ListView& li = rig.toolkit.window().li();
  QTest::mouseClick(li.viewport(), Qt::LeftButton, Qt::ControlModifier,
                    li.visualRect(li.model()->index(3, 0)).center());
  EXPECT_EQ(rig.toolkit.li().Selected(), -1);
  clipboard.setText(QStringLiteral("before"));
  rig.Key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(clipboard.text().toStdString(), "before");
  rig.Key(Qt::Key_Tab);
  rig.toolkit.l().Select(25);
  rig.Key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(clipboard.text().toStdString(),
            "  Wtedy, nawet jak skatologujemy cudze dyski to możemy w nich szukać.");
}

TEST_F(QtListBoxes, TheQueryFieldGivesWindows1250) {
  rig.toolkit.window().e().setText(QString::fromUtf8("źdźbło € 漢"));
  EXPECT_EQ(rig.state().w.E.Text(), std::string("źdźbło € ?"_cp));
}

}  // namespace
}  // namespace zbk::testing
