// The row store against a plain vector of strings: rows written in one or
// two pieces across the small first blocks and the large ones, a row longer
// than a block, rows replaced in place and moved (until the store compacts),
// and a store cleared, its memory given back, and filled again.
#include "platform/row_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zbk {
namespace {

std::vector<std::string> Rows(const RowStore& store) {
  std::vector<std::string> rows;
  for (int i = 0; i < store.size(); ++i) rows.emplace_back(store[i]);
  return rows;
}

// A row of `length` bytes that differs from its neighbours.
std::string Row(std::size_t length, int seed) {
  std::string row(length, ' ');
  for (std::size_t i = 0; i < length; ++i) row[i] = static_cast<char>('!' + (seed * 7 + i) % 90);
  return row;
}

TEST(RowStoreTest, KeepsEveryRowAsWrittenWhateverItsSizeAndHowOftenReplaced) {
  RowStore store;
  std::vector<std::string> expected;
  for (int round = 0; round < 2; ++round) {
    // About 5 MB: the two small blocks and a few large ones, each left with
    // some room too small for the next row.
    for (int i = 0; i < 40000; ++i) {
      const std::string head = Row(static_cast<std::size_t>(i % 17), i);
      const std::string tail = Row(static_cast<std::size_t>(i * 31 % 250), i + 1);
      store.Append(head, tail);
      expected.push_back(head + tail);
    }
    store.Append("");
    expected.emplace_back();
    // Longer than a block: a block of its own; then shorter, in place.
    const std::string huge = Row(kLargeBlock + 3, round);
    store.Append(huge, "!");
    expected.push_back(huge + "!");
    store.Replace(store.size() - 1, "krótszy");
    expected.back() = "krótszy";
    store.Insert(1, Row(3000, round));
    expected.insert(expected.begin() + 1, Row(3000, round));
    // Every row longer than before, twice over: the old text becomes waste
    // and the store compacts.
    for (int pass = 0; pass < 2; ++pass) {
      for (int i = 0; i < store.size(); i += 3) {
        const std::size_t length = expected[static_cast<std::size_t>(i)].size() + 1;
        expected[static_cast<std::size_t>(i)] = Row(length, i + pass);
        store.Replace(i, expected[static_cast<std::size_t>(i)]);
      }
    }
    ASSERT_EQ(Rows(store), expected);
    EXPECT_GE(LargeMemoryHeld(), 3 * kLargeBlock);
    store.Clear();
    expected.clear();
    EXPECT_EQ(store.size(), 0);
    EXPECT_EQ(LargeMemoryHeld(), 0u);
  }
}

}  // namespace
}  // namespace zbk
