// Failing writes and reads on real files, through the program itself: disk
// full at the close (the catalogue file is a link to /dev/full) and the
// window still in use after it; a catalogue file name taken by a folder, by
// a link into a missing folder or in a read-only working folder; catalogue
// files that are not files a search can read.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "real_drive.h"
#include "script_output.h"
#include "support/headless_run.h"

namespace zbk::testing {
namespace {

namespace fs = std::filesystem;

class HeadlessFaults : public ::testing::Test {
 protected:
  HeadlessFaults() : work_(tmp_.Folder("work")) {
    tmp_.File("disk/a.zip", 200000);
    WriteOldFile(work_ / "INNY.txt", "        100.000  stary.zip\r\n");
    other_ = Stamp(work_ / "INNY.txt");
  }

  HeadlessResult Run(const std::string& script, int as_user = -1) {
    auto result = RunHeadless(script, work_, as_user);
    EXPECT_EQ(result.status, 0) << result.err;
    return result;
  }

  // The run ended with the error report and the window stayed usable: Yes
  // disabled, the refresh and the sort button working, the first Esc
  // clearing the stop flag and giving Yes back, the second closing the
  // window.
  void ExpectErrorThenUsable(const HeadlessResult& result, const std::string& error) {
    EXPECT_NE(result.out.find("error: " + error + "\n"), std::string::npos) << result.out;
    const std::vector<std::string> stopped{"-1", "-1", "-1", "-1", "0"};
    EXPECT_EQ(Values(result.out, "busy"), stopped) << result.out;
    const auto yes = Values(result.out, "yes");
    ASSERT_EQ(yes.size(), 5u);
    for (std::size_t i = 0; i < 4; ++i) EXPECT_TRUE(yes[i].ends_with(" disabled")) << yes[i];
    EXPECT_TRUE(yes[4].ends_with(" enabled")) << yes[4];
    EXPECT_EQ(Values(result.out, "Li.selected")[2], "6");
    EXPECT_EQ(Values(result.out, "L.sorted")[3], "on");
    EXPECT_EQ(Values(result.out, "status").back(), " Zatrzymane.");
    EXPECT_TRUE(result.out.ends_with("closed\n")) << result.out;
    EXPECT_EQ(Stamp(work_ / "INNY.txt"), other_);
  }

  TempFolder tmp_;
  fs::path work_;
  FileStamp other_;
};

TEST_F(HeadlessFaults, DiskFullAtTheCloseEndsTheRunWithTheErrorReport) {
  fs::create_symlink("/dev/full", work_ / "DYSK.txt");
  const auto result = Run(CatalogueScript((tmp_ / "disk").string(), "DYSK") + "rows L\n" +
                          std::string(kAfterError));
  ExpectErrorThenUsable(result, "Błąd zapisu pliku DYSK.txt");
  EXPECT_NE(result.out.find("L[0]:         200.000  a.zip\n"), std::string::npos);
  EXPECT_EQ(Values(result.out, "status")[0], " Szukam plików w C:\\.");
  EXPECT_TRUE(fs::is_symlink(work_ / "DYSK.txt"));
}

// The run ends with its own message; nothing is created or replaced.
void ExpectRefused(const HeadlessResult& result) {
  EXPECT_EQ(result.out.find("error:"), std::string::npos) << result.out;
  EXPECT_EQ(Values(result.out, "status"), std::vector<std::string>{" Nie mogę stworzyć DYSK.txt."});
  EXPECT_EQ(Values(result.out, "yes"), std::vector<std::string>{"Analizuj enabled"});
  EXPECT_EQ(Values(result.out, "busy"), std::vector<std::string>{"0"});
  EXPECT_EQ(Values(result.out, "L.count"), std::vector<std::string>{"0"});
}

TEST_F(HeadlessFaults, CatalogueNameTakenByAFolderIsRefused) {
  tmp_.File("work/DYSK.txt/inside.zip", 5);
  ExpectRefused(Run(CatalogueScript((tmp_ / "disk").string(), "DYSK")));
  EXPECT_EQ(fs::file_size(work_ / "DYSK.txt/inside.zip"), 5u);
  EXPECT_EQ(Stamp(work_ / "INNY.txt"), other_);
}

TEST_F(HeadlessFaults, CatalogueNameLinkedIntoAMissingFolderIsRefused) {
  fs::create_symlink(tmp_ / "missing/DYSK.txt", work_ / "DYSK.txt");
  ExpectRefused(Run(CatalogueScript((tmp_ / "disk").string(), "DYSK")));
  EXPECT_FALSE(fs::exists(tmp_ / "missing"));
  EXPECT_EQ(Stamp(work_ / "INNY.txt"), other_);
}

// Root writes into any folder, so as root the program runs as "nobody".
TEST_F(HeadlessFaults, ReadOnlyWorkingFolderRefusesTheCatalogueFile) {
  constexpr int kNobody = 65534;
  const int as_user = geteuid() == 0 ? kNobody : -1;
  fs::permissions(tmp_.path(),
                  fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
  fs::permissions(work_, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                             fs::perms::others_exec);
  const auto result =
      RunHeadless(CatalogueScript((tmp_ / "disk").string(), "DYSK"), work_, as_user);
  if (result.status == 127) GTEST_SKIP() << "the program cannot run as user " << as_user;
  ExpectRefused(result);
  EXPECT_FALSE(fs::exists(work_ / "DYSK.txt"));
  EXPECT_EQ(Stamp(work_ / "INNY.txt"), other_);
}

// A *.TXT entry that is not a file the search can read ends the search with
// the error report, without waiting for ever: the hits before it stay.
class UnreadableCatalogue : public HeadlessFaults,
                            public ::testing::WithParamInterface<const char*> {};

TEST_P(UnreadableCatalogue, EndsTheSearchWithTheErrorReport) {
  WriteOldFile(work_ / "A.txt", "        100.000  kot.zip\r\n");
  const fs::path b = work_ / "B.txt";
  const std::string_view kind = GetParam();
  if (kind == "dangling link") fs::create_symlink(tmp_ / "gone.txt", b);
  if (kind == "link to a folder") fs::create_directory_symlink(tmp_ / "disk", b);
  if (kind == "fifo") {
    ASSERT_EQ(mkfifo(b.c_str(), 0644), 0);
  }
  if (kind == "link to an endless device") fs::create_symlink("/dev/zero", b);
  const auto result =
      Run("start\ntick\ntext kot\nfocus E\nkey Enter\nshow\nrows L\n" + std::string(kAfterError));
  ExpectErrorThenUsable(result, "Nie mogę otworzyć pliku B.txt");
  EXPECT_NE(result.out.find("L[0]:     A.txt:         100.000  kot.zip\n"), std::string::npos)
      << result.out;
  EXPECT_EQ(Values(result.out, "L.count")[0], "1");
}

INSTANTIATE_TEST_SUITE_P(Kinds, UnreadableCatalogue,
                         ::testing::Values("dangling link", "link to a folder", "fifo",
                                           "link to an endless device"));

}  // namespace
}  // namespace zbk::testing
