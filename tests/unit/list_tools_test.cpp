// Sorting the result list and the equal-size finder.
#include <gtest/gtest.h>

#include "listtools/list_tools.h"
#include "support/window_fixture.h"
#include "text/literal.h"

namespace zbk::testing {
namespace {

struct ListToolsTest : ::testing::Test {
  ListToolsTest() { f.Start(); }
  void Fill(const std::vector<std::string>& rows, bool sorted = true) {
    f.toolkit.l().Clear();
    f.toolkit.l().SetSorted(false);
    for (const auto& row : rows) f.toolkit.l().Add(row);
    if (sorted) f.toolkit.l().SetSorted(true);
  }
  int FindFrom(int row) {
    f.toolkit.l().Select(row);
    f.toolkit.ClickX2();
    return f.toolkit.l().Selected();
  }
  WindowFixture f;
};

std::string Row(const char* size, const char* name) {
  return std::string(size) + "  " + name;
}

TEST_F(ListToolsTest, SortingReordersTheRowsAndSaysSo) {
  Fill({Row("      1.000.000", "b"), Row("        200.000", "a"), " Dyski:"}, false);
  f.toolkit.ClickAZ();
  EXPECT_TRUE(f.toolkit.l().Sorted());
  EXPECT_EQ(f.toolkit.l().rows(),
            (std::vector<std::string>{Row("        200.000", "a"), Row("      1.000.000", "b"),
                                      " Dyski:"}));
  EXPECT_EQ(f.status(), std::string(" I już gotowe."_cp));
  f.toolkit.ClickAZ();  // already sorted: the same rows
  EXPECT_EQ(f.toolkit.l().Count(), 3);
}

TEST_F(ListToolsTest, WalksUpToTheUpperRowOfTheNearestEqualPair) {
  Fill({Row("        100.000", "a"), Row("        200.000", "b"), Row("        200.000", "c"),
        Row("        300.000", "d"), Row("        400.000", "e")});
  EXPECT_EQ(FindFrom(4), 1);
  EXPECT_EQ(f.status(), std::string(" Sprawdź, czy są takie same."_cp));
  f.toolkit.ClickX2();
  EXPECT_EQ(f.toolkit.l().Selected(), 0);
  EXPECT_EQ(f.status(), std::string(" Sprawdź, czy są takie same."_cp));
  f.toolkit.ClickX2();
  EXPECT_EQ(f.toolkit.l().Selected(), 0);
  EXPECT_EQ(f.status(), std::string(" To już jest koniec (w sensie początek)."_cp));
}

TEST_F(ListToolsTest, InsideARunEachPressMovesUpOneRow) {
  std::vector<std::string> rows;
  for (const char* size : {"100", "200", "300", "400", "500", "555", "555", "555", "800", "900"}) {
    rows.push_back(Row("        ", size));
  }
  Fill(rows);
  ASSERT_EQ(f.toolkit.l().Row(5), f.toolkit.l().Row(7));
  EXPECT_EQ(FindFrom(9), 6);
  f.toolkit.ClickX2();
  EXPECT_EQ(f.toolkit.l().Selected(), 5);
  f.toolkit.ClickX2();
  EXPECT_EQ(f.toolkit.l().Selected(), 0);
  EXPECT_EQ(FindFrom(1), 0);
}

TEST_F(ListToolsTest, ShortRowsCompareWholeAndAnUnsortedListIsLeftAlone) {
  Fill({" Dyski:", "", "", "zzz"});
  EXPECT_EQ(f.toolkit.l().rows()[0], "");
  EXPECT_EQ(FindFrom(3), 0);  // rows 0 and 1 are equal, but row 0 is where the walk ends
  Fill({"a", "b", " Dyski:", ""});
  EXPECT_EQ(FindFrom(3), 0);
  Fill({"x", "x", "x"}, false);
  EXPECT_EQ(FindFrom(2), 2);
  EXPECT_EQ(f.status(), std::string(" Szukam plików tej samej wielkości jak posortujesz."_cp));
}

TEST_F(ListToolsTest, WithNoRowSelectedTheWalkStartsAtTheBottom) {
  Fill({"        1", "        2", "        2", "        3"});
  EXPECT_EQ(FindFrom(-1), 1);
  Fill({});
  EXPECT_EQ(FindFrom(-1), -1);
  EXPECT_EQ(f.status(), std::string(" To już jest koniec (w sensie początek)."_cp));
}

TEST_F(ListToolsTest, SortingKeepsTheSelectedIndexAndSortedAddsKeepTheSelectedRow) {
  Fill({"c", "a", "b"}, false);
  f.toolkit.l().Select(2);
  f.toolkit.ClickAZ();
  EXPECT_EQ(f.toolkit.l().Selected(), 2);
  f.toolkit.l().Add("0");
  EXPECT_EQ(f.toolkit.l().Row(0), "0");
  EXPECT_EQ(f.toolkit.l().Selected(), 3);
  EXPECT_EQ(f.toolkit.l().Row(3), "c");
}

}  // namespace
}  // namespace zbk::testing
