// Searches across catalogue files through the scripted driver.
#include <gtest/gtest.h>

#include "support/headless_run.h"
#include "support/temp_folder.h"

namespace zbk::testing {
namespace {

std::string Search(const std::string& query, const std::string& more = "") {
  return "start\nfocus E\ntext " + query + "\n" + more + "key Enter\nshow\nrows L\n";
}

TEST(Search, HitsCarryTheRightAlignedCatalogueNameAndEndWithTheDisks) {
  TempFolder work;
  work.Write("b.txt", "        100.000  Foto\\rok 2003\\b.jpg\r\n");
  work.Write("a.txt", "      1.234.567  Foto\\2003\\Morze.JPG\r\n        200.000  inne.bin\r\n");
  work.Write("Archiwum_2003.TXT", "        300.000  foto\\Lato_2003.jpg\r\n");
  work.Write("zz.txt", "nothing here\r\n");
  work.Write(".hidden_with_a_very_long_name.txt", "foto 2003\r\n");
  work.Folder("folder_with_a_long_name.TXT");
  work.Write("notes.md", "foto 2003\r\n");
  const auto result = RunHeadless(Search("2003   FOTO"), work.path());
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out,
            "caption: \n"
            "status:  Koniec szukania.\n"
            "yes: Szukaj enabled\n"
            "focus: E\n"
            "busy: 0\n"
            "Li.selected: -1\n"
            "L.selected: 6\n"
            "L.sorted: off\n"
            "L.count: 7\n"
            "L[0]:              a.txt:       1.234.567  Foto\\2003\\Morze.JPG\n"
            "L[1]:  Archiwum_2003.TXT:         300.000  foto\\Lato_2003.jpg\n"
            "L[2]:              b.txt:         100.000  Foto\\rok 2003\\b.jpg\n"
            "L[3]:  Dyski:\n"
            "L[4]:                     a.txt\n"
            "L[5]:         Archiwum_2003.TXT\n"
            "L[6]:                     b.txt\n");
}

TEST(Search, LettersOtherThanAToZMustMatchExactly) {
  TempFolder work;
  work.Write("k.txt",
             "\x9Fr\xF3"
             "d\xB3o\r\n\x9FR\xF3"
             "D\xB3O\r\n\x8FR\xD3"
             "D\xA3O\r\n\x8Fr\xF3"
             "d\xB3o\r\n");
  const auto result = RunHeadless(Search("źródło"), work.path());
  EXPECT_EQ(result.out.substr(result.out.find("L[0]")),
            "L[0]:  k.txt: źródło\nL[1]:  k.txt: źRóDłO\nL[2]:  Dyski:\nL[3]:         k.txt\n");
}

TEST(Search, OnlyTheFirst250CharactersOfALineAreSearchedAndShown) {
  TempFolder work;
  const std::string head(250, 'x');
  work.Write("long.txt", head + "NEEDLE\r\nshort\r\n");
  const auto result = RunHeadless(Search("needle"), work.path());
  EXPECT_NE(result.out.find("L.count: 0\n"), std::string::npos) << result.out;
  EXPECT_EQ(result.out.find("L[0]"), std::string::npos);
  work.Write("long.txt", std::string(240, 'y') + "NEEDLE\r\n");
  const auto found = RunHeadless(Search("needle"), work.path());
  EXPECT_NE(found.out.find("L[0]:  long.txt: " + std::string(240, 'y') + "NEEDLE\n"),
            std::string::npos);
}

TEST(Search, WithoutCatalogueFilesTheListStays) {
  TempFolder work;
  auto result = RunHeadless(Search("abc"), work.path());
  EXPECT_NE(result.out.find("status:  Nie ma plików *.TXT.\n"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("L.count: 26\n"), std::string::npos);
  work.Folder("only_a_folder.txt");
  work.Write(".txt", "abc\r\n");  // hidden, as a temporary catalogue file is
  result = RunHeadless(Search("abc"), work.path());
  EXPECT_NE(result.out.find("status:  Koniec szukania.\n"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("L.count: 0\n"), std::string::npos);
}

TEST(Search, QueriesWithoutWordsOrWithTooManyChangeNothing) {
  TempFolder work;
  work.Write("a.txt", "abc\r\n");
  auto result = RunHeadless(Search("   "), work.path());
  EXPECT_NE(result.out.find("status:  Nie wpisałeś czego szukasz.\nyes: Szukaj enabled\n"),
            std::string::npos);
  EXPECT_NE(result.out.find("L.count: 26\n"), std::string::npos);
  result = RunHeadless("start\nfocus E\nkey Enter\nshow\n", work.path());  // the prompt itself
  EXPECT_NE(result.out.find("status:  Tylko 3 słowa.\n"), std::string::npos);
}

std::string Numbered(int lines, const std::string& word_every_500) {
  std::string text;
  for (int i = 1; i <= lines; ++i) {
    text += "line " + std::to_string(i) + (i % 500 == 0 ? " " + word_every_500 : "") + "\r\n";
  }
  return text;
}

TEST(Search, ProgressEveryThousandLinesAndEscStopsAfterTheLineInHand) {
  TempFolder work;
  work.Write("a.txt", Numbered(2500, "hit"));
  work.Write("b.txt", Numbered(10, "hit") + "line hit\r\n");
  // Messages: 1-2 the query, 3 no files, 4 searching, 5 a.txt, 6 line 1000, 7 line 2000.
  const auto shown = RunHeadless(Search("hit", "during 6 show\n"), work.path());
  EXPECT_NE(shown.out.find("status:  Przeszukuję plik a.txt. 1000 \n"), std::string::npos)
      << shown.out;
  const auto stopped = RunHeadless(Search("hit", "during 6 key Esc\n"), work.path());
  EXPECT_EQ(stopped.out.substr(stopped.out.find("status:")),
            "status:  Koniec szukania.\nyes: Szukaj enabled\nfocus: E\nbusy: 0\n"
            "Li.selected: -1\nL.selected: 3\nL.sorted: off\nL.count: 4\n"
            "L[0]:  a.txt: line 500 hit\nL[1]:  a.txt: line 1000 hit\nL[2]:  Dyski:\n"
            "L[3]:         a.txt\n");
}

// A file without line ends, of a terabyte (sparse), is one endless line: the
// window gets its messages every megabyte of it, and Esc stops the search.
TEST(Search, EscStopsTheSearchInsideALineWithoutEnd) {
  TempFolder work;
  work.Write("a.txt", "        100.000  hit.bin\r\n");
  work.File("b.txt", std::uint64_t{1} << 40);
  // Messages: 1-2 the query, 3 no files, 4 searching, 5 a.txt, 6 b.txt, 7
  // after its first megabyte.
  const auto result = RunHeadless(Search("hit", "during 7 key Esc\n"), work.path());
  EXPECT_EQ(result.out.substr(result.out.find("status:")),
            "status:  Koniec szukania.\nyes: Szukaj enabled\nfocus: E\nbusy: 0\n"
            "Li.selected: -1\nL.selected: 2\nL.sorted: off\nL.count: 3\n"
            "L[0]:  a.txt:         100.000  hit.bin\nL[1]:  Dyski:\nL[2]:         a.txt\n");
}

// Every catalogue file is searched, however many there are.
TEST(Search, ThousandsOfCatalogueFilesAreAllSearched) {
  TempFolder work;
  for (int i = 1000; i < 2500; ++i) {
    work.Write("c" + std::to_string(i) + ".txt",
               "        100.000  hit" + std::to_string(i) + "\r\n");
  }
  const auto result = RunHeadless(Search("hit"), work.path());
  EXPECT_NE(result.out.find("L.count: 3001\n"), std::string::npos);
  EXPECT_NE(result.out.find("L[1499]:  c2499.txt:         100.000  hit2499\nL[1500]:  Dyski:\n"),
            std::string::npos);
  EXPECT_TRUE(result.out.ends_with("L[3000]:         c2499.txt\n"));
}

TEST(Search, ASortedListTakesTheHitsInSortedPlaces) {
  TempFolder work;
  work.Write("a.txt", "zeta\r\nalfa\r\n");
  const auto result =
      RunHeadless("start\nclick AZ\nfocus E\ntext a\nkey Enter\nshow\nrows L\n", work.path());
  EXPECT_EQ(result.out.substr(result.out.find("L.selected")),
            "L.selected: 3\nL.sorted: on\nL.count: 4\n"
            "L[0]:         a.txt\nL[1]:  a.txt: alfa\nL[2]:  a.txt: zeta\nL[3]:  Dyski:\n");
}

}  // namespace
}  // namespace zbk::testing
