// The list boxes' contract: the same cases on every ListBox (the in-memory
// one, Qt's, Win32's under Wine). A test program includes this once and
// instantiates the suite with a maker M: default-constructible, with
// `ListBox& list()`.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ports/toolkit.h"
#include "text/literal.h"

namespace zbk::testing {

template <typename Maker>
class ListBoxContract : public ::testing::Test {
 protected:
  void Add(std::initializer_list<const char*> rows) {
    for (const char* row : rows) list_.Add(row);
  }
  std::vector<std::string> Rows() {
    std::vector<std::string> rows;
    for (int i = 0; i < list_.Count(); ++i) rows.push_back(list_.Row(i));
    return rows;
  }

  Maker maker_;
  ListBox& list_ = maker_.list();
};

TYPED_TEST_SUITE_P(ListBoxContract);

TYPED_TEST_P(ListBoxContract, KeepsRowsAsTheyCameAndReadsNothingOutsideThem) {
  ListBox& l = this->list_;
  EXPECT_EQ(l.Count(), 0);
  EXPECT_EQ(l.Selected(), -1);
  const std::string polish("Zażółć gęślą jaźń"_cp);
  l.Add(polish);
  this->Add({"b"});
  l.AddJoined("", "a");
  EXPECT_EQ(this->Rows(), (std::vector<std::string>{polish, "b", "a"}));
  l.Replace(1, "Łódź"_cp);
  l.Replace(3, "nic");
  l.Replace(-1, "nic");
  EXPECT_EQ(this->Rows(), (std::vector<std::string>{polish, std::string("Łódź"_cp), "a"}));
  EXPECT_EQ(l.Row(3), "");
  EXPECT_EQ(l.Row(-1), "");

  l.Select(2);
  EXPECT_EQ(l.Selected(), 2);
  l.Add("c");  // appended: the selection stays
  EXPECT_EQ(l.Selected(), 2);
  l.Select(4);
  EXPECT_EQ(l.Selected(), -1);
  l.Select(0);
  l.Select(-1);
  EXPECT_EQ(l.Selected(), -1);
  l.Select(1);
  l.Clear();
  EXPECT_EQ(l.Count(), 0);
  EXPECT_EQ(l.Selected(), -1);
  EXPECT_FALSE(l.Sorted());
}

TYPED_TEST_P(ListBoxContract, SortingIsStableInListOrderAndKeepsTheSelectedIndex) {
  ListBox& l = this->list_;
  this->Add({"b2", "B1", "a", "        300.000", "b1", "      1.000.000", "A"});
  l.Select(1);
  l.SetSorted(true);
  EXPECT_TRUE(l.Sorted());
  EXPECT_EQ(this->Rows(), (std::vector<std::string>{"        300.000", "      1.000.000", "a", "A",
                                                    "B1", "b1", "b2"}));
  EXPECT_EQ(l.Selected(), 1);
  l.Select(5);
  l.SetSorted(true);  // already sorted: nothing moves
  EXPECT_EQ(l.Selected(), 5);
}

TYPED_TEST_P(ListBoxContract, RowsAddedWhileSortedTakeTheirPlaceAndTheSelectionStaysOnItsRow) {
  ListBox& l = this->list_;
  this->Add({"c", "e", "g"});
  l.SetSorted(true);
  l.Select(1);
  this->Add({"a", "E", "z"});
  l.AddJoined("d: ", "1");
  EXPECT_EQ(this->Rows(), (std::vector<std::string>{"a", "c", "d: 1", "e", "E", "g", "z"}));
  EXPECT_EQ(l.Selected(), 3);
  l.Replace(0, "zz");  // in place, not sorted again
  EXPECT_EQ(l.Row(0), "zz");
  l.Clear();
  EXPECT_TRUE(l.Sorted());
  this->Add({"y", "x"});
  EXPECT_EQ(this->Rows(), (std::vector<std::string>{"x", "y"}));
  l.Select(1);
  l.SetSorted(false);
  l.Add("a");
  EXPECT_EQ(this->Rows(), (std::vector<std::string>{"x", "y", "a"}));
  EXPECT_EQ(l.Selected(), 1);
}

REGISTER_TYPED_TEST_SUITE_P(ListBoxContract, KeepsRowsAsTheyCameAndReadsNothingOutsideThem,
                            SortingIsStableInListOrderAndKeepsTheSelectedIndex,
                            RowsAddedWhileSortedTakeTheirPlaceAndTheSelectionStaysOnItsRow);

}  // namespace zbk::testing
