// Unusual extensions: the test, the tally and the folder report.
#include <gtest/gtest.h>

#include "catalogue/extension_tally.h"

namespace zbk {
namespace {

TEST(Extension, FromTheLastPeriodUnlessAPathCharacterFollows) {
  EXPECT_EQ(ExtensionOf("a.tar.gz"), ".gz");
  EXPECT_EQ(ExtensionOf("README"), "");
  EXPECT_EQ(ExtensionOf("name."), ".");
  EXPECT_EQ(ExtensionOf("a.b\\c"), "");
  EXPECT_EQ(ExtensionOf("a.b:c"), "");
}

TEST(Extension, UsualItemsAndTheirLeadingPartsAreUsual) {
  for (const char* usual : {".MP3", ".MP", ".M", ".B", ".", ".DO", ".VOB", ".RTF"}) {
    EXPECT_FALSE(IsUnusual(usual)) << usual;
  }
  for (const char* unusual : {".MP5", ".DOCX", ".JPEG", ".HTM", ".DLL", ".DAT", ".mp3"}) {
    EXPECT_TRUE(IsUnusual(unusual)) << unusual;
  }
}

TEST(Tally, EntriesInOrderOfArrival99NamedAndTheRestUnnamed) {
  ExtensionTally tally;
  for (int i = 0; i < 120; ++i) tally.Add(".E" + std::to_string(i), 1);
  tally.Add(".E0", 5);
  EXPECT_EQ(tally.used(), 99u);
  EXPECT_EQ(tally.entry(0).Text(), ".E0");
  EXPECT_EQ(tally.entry(0).count, 6u);
  EXPECT_EQ(tally.unnamed_count(), 21u);
  ExtensionTally parent;
  parent.Add(".X", 1);
  parent.Merge(tally);
  EXPECT_EQ(parent.used(), 99u);
  EXPECT_EQ(parent.entry(0).Text(), ".X");
  EXPECT_EQ(parent.unnamed_count(), 1u);  // .E98 found no entry left
}

TEST(Tally, LongExtensionsAreKnownByTheirFirstNineCharacters) {
  ExtensionTally tally;
  tally.Add(".ABCDEFGHIJ", 1);
  tally.Add(".ABCDEFGHXY", 1);
  EXPECT_EQ(tally.used(), 1u);
  EXPECT_EQ(tally.entry(0).Text(), ".ABCDEFGH");
  EXPECT_EQ(tally.entry(0).count, 2u);
}

TEST(FolderReport, PathCountThenExtensionsByCountTiesInArrivalOrder) {
  ExtensionTally tally;
  tally.Add(".PAK", 50);
  tally.Add(".DAT", 100);
  tally.Add(".CFG", 50);
  EXPECT_EQ(FolderReportText("C:\\Gry\\", 200, tally).str(),
            "C:\\Gry\\ 200 .DAT 100 .PAK 50 .CFG 50 ");
}

TEST(FolderReport, CountsAbove65535AreOrderedAndTheLineIsCutAt250) {
  ExtensionTally tally;
  tally.Add(".SMALL", 65535);
  tally.Add(".BIG", 70000);
  EXPECT_EQ(FolderReportText("C:\\", 135535, tally).str(), "C:\\ 135535 .BIG 70000 .SMALL 65535 ");
  ExtensionTally many;
  for (int i = 0; i < 60; ++i)
    many.Add(".X" + std::to_string(i), 200 - static_cast<std::uint32_t>(i));
  const ShortText line = FolderReportText("C:\\" + std::string(200, 'f') + "\\", 9000, many);
  EXPECT_EQ(line.size(), 250u);
  EXPECT_EQ(line.view().substr(204, 13), " 9000 .X0 200");
}

TEST(UnusualFolderList, The1001stAndLaterReplaceThe1000th) {
  UnusualFolderList list;
  for (int i = 1; i <= 1002; ++i) list.Add(ShortText(std::to_string(i)));
  ASSERT_EQ(list.lines().size(), 1000u);
  EXPECT_EQ(list.lines()[998].str(), "999");
  EXPECT_EQ(list.lines()[999].str(), "1002");
}

}  // namespace
}  // namespace zbk
