// The query: trimming, splitting into three words, and the refusals.
#include <gtest/gtest.h>

#include "search/search_words.h"
#include "support/window_fixture.h"
#include "text/literal.h"

namespace zbk::testing {
namespace {

std::vector<std::string> Words(std::string_view text) {
  const SearchWords w = SplitQuery(NormaliseQuery(text));
  return {w.first.str(), w.second.str(), w.third.str()};
}

using Strings = std::vector<std::string>;

TEST(SearchWords, OneTwoAndThreeWordsFillTheThreeSlots) {
  EXPECT_EQ(Words("   abc   "), (Strings{"ABC", "ABC", "ABC"}));
  EXPECT_EQ(Words("abc     def"), (Strings{"ABC", "DEF", "DEF"}));
  EXPECT_EQ(Words("a b c"), (Strings{"A", "B", "C"}));
  EXPECT_EQ(Words("a b c d"), (Strings{"A", "B", "C D"}));
  EXPECT_EQ(Words("mp3,rok\tx"), (Strings{"MP3,ROK\tX", "MP3,ROK\tX", "MP3,ROK\tX"}));
  const std::string zrodlo(std::string("źRóDłO"_cp));
  EXPECT_EQ(Words("źródło"_cp), (Strings{zrodlo, zrodlo, zrodlo}));
}

TEST(SearchWords, TheCutTo250ComesBeforeTrimming) {
  EXPECT_EQ(NormaliseQuery(std::string(250, ' ') + "abc"), "");
  EXPECT_EQ(NormaliseQuery(std::string(248, ' ') + "abc"), "AB");
}

struct ReadSearchWordsTest : ::testing::Test {
  ReadSearchWordsTest() { f.Start(); }
  std::optional<SearchWords> Read(std::string_view text) {
    f.toolkit.SetQueryText(text);
    WindowState state(Os{f.drives, f.files, f.hosts}, f.toolkit.widgets());
    return ReadSearchWords(state);
  }
  WindowFixture f;
};

TEST_F(ReadSearchWordsTest, EmptyAndTooLongQueriesEndWithTheirMessage) {
  EXPECT_FALSE(Read("     "));
  EXPECT_EQ(f.status(), std::string(" Nie wpisałeś czego szukasz."_cp));
  EXPECT_FALSE(Read(" Wpisz, czego szukasz i naciśnij [Enter]."_cp));
  EXPECT_EQ(f.status(), std::string(" Tylko 3 słowa."_cp));
  EXPECT_TRUE(Read("a b c"));
  EXPECT_EQ(f.toolkit.l().Count(), 26);  // the help text stays
}

}  // namespace
}  // namespace zbk::testing
