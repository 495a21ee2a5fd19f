// The text model: literals, upper-casing, name order, conversions at the
// platform's edge, name patterns and the order of sorted lists.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "listtools/list_order.h"
#include "platform/encoding/cp1250.h"
#include "platform/wildcard.h"
#include "text/literal.h"
#include "text/name_order.h"
#include "text/short_text.h"
#include "text/upper.h"

namespace zbk {
namespace {

std::vector<std::string> Ordered(const std::vector<std::string>& names) {
  std::vector<std::string> out;
  for (const auto i : NameOrder(names)) out.push_back(names[i]);
  return out;
}

TEST(Literal, PolishLettersBecomeSingleWindows1250Bytes) {
  constexpr std::string_view text = "Wyjdź ąęłńóśżźĄĘŁŃÓŚŻŹ"_cp;
  EXPECT_EQ(text.size(), 22u);
  EXPECT_EQ(text.substr(0, 5), "Wyjd\x9F");
  EXPECT_EQ(text.substr(6), "\xB9\xEA\xB3\xF1\xF3\x9C\xBF\x9F\xA5\xCA\xA3\xD1\xD3\x8C\xAF\x8F");
}

TEST(ShortText, CutsTo250OnStore) {
  const ShortText text(std::string(300, 'x'));
  EXPECT_EQ(text.size(), 250u);
  EXPECT_EQ(ShortText("abc").str(), "abc");
}

TEST(Upper, ChangesOnlyAsciiLetters) {
  EXPECT_EQ(Upper("abz AZ 09 _"), "ABZ AZ 09 _");
  // źródło becomes źRóDłO: Polish letters keep their case.
  EXPECT_EQ(Upper("źródło"_cp), "źRóDłO"_cp);
}

TEST(NameOrder, UpperCasedBytesAsUnsignedWithStableTies) {
  EXPECT_EQ(Ordered({"b.dat", "A.dat", "_x.dat"}),
            (std::vector<std::string>{"A.dat", "b.dat", "_x.dat"}));
  // Zdjęcia before _stare before ąb: 'Z' 90, '_' 95, 'ą' 185.
  const std::string zdjecia(std::string("Zdjęcia"_cp));
  const std::string ab(std::string("ąb"_cp));
  EXPECT_EQ(Ordered({ab, "_stare", zdjecia}), (std::vector<std::string>{zdjecia, "_stare", ab}));
  // Equal upper-cased names keep their listing order; a prefix comes first.
  EXPECT_EQ(Ordered({"abc", "ABC", "ab", "Abc"}),
            (std::vector<std::string>{"ab", "abc", "ABC", "Abc"}));
  // A dot (46) before a digit (50): A.TXT, a2.txt, b.txt.
  EXPECT_EQ(Ordered({"b.txt", "a2.txt", "A.TXT"}),
            (std::vector<std::string>{"A.TXT", "a2.txt", "b.txt"}));
}

TEST(Encoding, Windows1250RoundTripsThroughUtf8AndUtf16) {
  std::string all;
  for (int c = 1; c < 256; ++c) all.push_back(static_cast<char>(c));
  EXPECT_EQ(Utf8ToCp1250(Cp1250ToUtf8(all)), all);
  EXPECT_EQ(Utf16ToCp1250(Cp1250ToUtf16(all)), all);
  EXPECT_EQ(Cp1250ToUtf8("\xA3\xF3\x64\xBE"), "Łódľ");
}

TEST(Encoding, CharactersOutsideTheCodePageAndBadUtf8BecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1250("日本.txt"), "??.txt");
  EXPECT_EQ(Utf8ToCp1250("a\xFF"
                         "b\xC3"),
            "a?b?");
  EXPECT_EQ(Utf8ToCp1250("\xE2\x82"), "??");           // cut short
  EXPECT_EQ(Utf8ToCp1250("\xC0\xAF"), "??");           // overlong
  EXPECT_EQ(Utf8ToCp1250("\xED\xA0\x80"), "???");      // a surrogate
  EXPECT_EQ(Utf8ToCp1250("\xF0\x9F\x98\x80x"), "?x");  // beyond the BMP
  EXPECT_EQ(Utf16ToCp1250(u"a\U0001F600b"), "a?b");
}

TEST(Wildcard, MatchesLikeAFolderListing) {
  EXPECT_TRUE(MatchesPattern("SYSTEM.txt", "*.TXT"));
  EXPECT_TRUE(MatchesPattern(".txt", "*.TXT"));
  EXPECT_FALSE(MatchesPattern("a.txt.bak", "*.TXT"));
  EXPECT_FALSE(MatchesPattern("atxt", "*.TXT"));
  EXPECT_TRUE(MatchesPattern("README", "*.*"));
  EXPECT_TRUE(MatchesPattern("a.b.c", "*.?"));
  EXPECT_TRUE(MatchesPattern("abcabd", "*abd"));
}

TEST(ListOrder, CaseIgnoredSpaceBeforeDigitsPrefixFirst) {
  EXPECT_TRUE(ListRowLess("  100", " 2"));  // a space before a digit
  EXPECT_FALSE(ListRowLess("abc", "ABC"));
  EXPECT_FALSE(ListRowLess("ABC", "abc"));
  EXPECT_TRUE(ListRowLess("ab", "abc"));
  EXPECT_FALSE(ListRowLess(std::string("ąb"_cp), std::string("Ąb"_cp)));
  EXPECT_TRUE(ListRowLess("        100.000", "        200.000"));
}

}  // namespace
}  // namespace zbk
