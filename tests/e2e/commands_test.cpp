// Keys, file errors and the list tools through the scripted driver. Tab,
// Esc and closing are the window's contract (unit/window_contract_test.cpp);
// a search that cannot open a catalogue, or a write failing at the close,
// are fault scenarios (faults/headless_faults_test.cpp).
#include <gtest/gtest.h>

#include <filesystem>

#include "support/headless_run.h"
#include "support/temp_folder.h"

namespace zbk::testing {
namespace {

namespace fs = std::filesystem;

std::string After(const std::string& out, const std::string& marker) {
  const auto at = out.rfind(marker);
  return at == std::string::npos ? std::string() : out.substr(at);
}

TEST(Keys, ADriveChangeDuringTheQueryArmsACatalogueRun) {
  TempFolder disk;
  disk.File("x.bin", 100000);
  TempFolder work;
  const auto result = RunHeadless("start\ntick\nfocus E\ntext x\ndrive K 2 0 0 " +
                                      disk.path().string() + " NEW\ntick\nkey Enter\nshow\n",
                                  work.path());
  EXPECT_EQ(work.Read("NEW.txt"), "        100.000  x.bin\r\n");
  EXPECT_NE(result.out.find("Li.selected: 11\n"), std::string::npos);
}

TEST(Keys, WhileACommandRunsEnterDoesNothingAndTheTimerStillTicks) {
  TempFolder work;
  work.Write("a.txt", "abc\r\n");
  const auto result = RunHeadless(
      "start\nfocus E\ntext abc\nduring 1 key Enter\nduring 2 tick\nduring 4 tick\nduring 5 show\n"
      "key Enter\nshow\n",
      work.path());
  ASSERT_EQ(result.status, 0) << result.err;
  // Inside the search: Yes is disabled and the flag set; two ticks have run
  // (the second one's own message processing counts as one).
  EXPECT_NE(result.out.find("caption:   "), std::string::npos);
  EXPECT_NE(result.out.find("yes: Szukaj disabled\nfocus: E\nbusy: -1\n"), std::string::npos)
      << result.out;
  EXPECT_NE(After(result.out, "status:").find("L.count: 3\n"), std::string::npos) << result.out;
}

TEST(FileErrors, AFailedWriteAbortsTheRunAndLeavesOtherCataloguesAlone) {
  TempFolder disk;
  // Enough long lines to fill the write buffer while the walk still runs.
  for (int i = 0; i < 400; ++i) disk.File(std::to_string(i) + std::string(200, 'n'), 100000);
  TempFolder work;
  work.Write("OTHER.txt", "        100.000  y.bin\r\n");
  work.Write("FULL.txt", "        100.000  stary.bin\r\n");
  const auto result = RunHeadless("drive F 2 0 0 " + disk.path().string() +
                                      " FULL\nstart\ntick\nselect Li 6\nkey Enter\nshow\n",
                                  work.path(), -1, 20000);
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.out.find("error: Błąd zapisu pliku FULL.txt\n"), std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find("yes: Analizuj disabled\nfocus: Li\nbusy: -1\n"), std::string::npos);
  EXPECT_EQ(work.Read("OTHER.txt"), "        100.000  y.bin\r\n");
  EXPECT_EQ(work.Read("FULL.txt"), "        100.000  stary.bin\r\n") << "the old catalogue stays";
  EXPECT_EQ(std::distance(fs::directory_iterator(work.path()), fs::directory_iterator()), 2)
      << "the temporary file is gone";
}

TEST(ListTools, SortThenFindFilesOfEqualSize) {
  TempFolder disk;
  disk.File("a/one.bin", 200000);
  disk.File("b/two.bin", 300000);
  disk.File("c/three.bin", 200000);
  disk.File("four.bin", 400000);
  TempFolder work;
  const auto result = RunHeadless("drive F 2 0 0 " + disk.path().string() +
                                      " D\nstart\ntick\nselect Li 6\nkey Enter\nclick X2\nshow\n"
                                      "click AZ\nclick X2\nshow\nrows L\n",
                                  work.path());
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.out.find("status:  Szukam plików tej samej wielkości jak posortujesz.\n"),
            std::string::npos);
  EXPECT_EQ(After(result.out, "status:"),
            "status:  Sprawdź, czy są takie same.\nyes: Zmień enabled\nfocus: L\nbusy: 0\n"
            "Li.selected: 6\nL.selected: 0\nL.sorted: on\nL.count: 4\n"
            "L[0]:         200.000  a\\one.bin\nL[1]:         200.000  c\\three.bin\n"
            "L[2]:         300.000  b\\two.bin\nL[3]:         400.000  four.bin\n");
  // A new run switches the sorted order off again.
  const auto again = RunHeadless("drive F 2 0 0 " + disk.path().string() +
                                     " D\nstart\ntick\nselect Li 6\nclick AZ\nkey Enter\nshow\n",
                                 work.path());
  EXPECT_NE(again.out.find("L.sorted: off\n"), std::string::npos);
}

TEST(Driver, ScriptErrorsNameTheLineAndExitWith2) {
  TempFolder work;
  for (const char* bad : {"start\nfly\n", "tick\n", "start\nuser late\n", "drive 1 3 0 0 /\n",
                          "drive C 9 0 0 /\n", "drive C 3 x 0 /\n", "start\nselect L 26\n",
                          "start\nkey Space\n", "start\nstart\n", "start\nduring 0 tick\n"}) {
    const auto result = RunHeadless(bad, work.path());
    EXPECT_EQ(result.status, 2) << bad;
    EXPECT_TRUE(result.err.starts_with("script error: LINE ")) << bad << result.err;
  }
  const auto result = RunHeadless("start\nshow\n\nbogus\nshow\n", work.path());
  EXPECT_EQ(result.err.substr(0, 22), "script error: LINE 4: ");
  EXPECT_NE(result.out.find("L.count: 26\n"), std::string::npos);  // what ran before stays
}

TEST(Driver, ControlBytesArePrintedEscaped) {
  TempFolder work;
  const auto result = RunHeadless("drive T 3 0 0 / a\tb\x7F\nstart\ntick\nrows Li\n", work.path());
  EXPECT_NE(
      result.out.find("Li[20]:  T:   lokalny  a\\x09b\\x7F" + std::string(17, ' ') + "O      O\n"),
      std::string::npos)
      << result.out;
}

}  // namespace
}  // namespace zbk::testing
