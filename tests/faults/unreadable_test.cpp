// Folders that cannot be listed, and entries that disappear while the walk
// is in a folder: what cannot be read is left out, the run goes on and
// catalogues everything else.
#include <unistd.h>

#include "real_drive.h"
#include "support/headless_run.h"

namespace zbk::testing {
namespace {

namespace fs = std::filesystem;

class Unreadable : public RealDrive {
 protected:
  Unreadable() {
    tmp_.File("disk/a/sub/s.zip", 100000);
    tmp_.File("disk/a/own.zip", 200000);
    tmp_.File("disk/b/y.zip", 300000);
    tmp_.File("disk/z.zip", 400000);
  }
};

TEST_F(Unreadable, FolderThatCannotBeListedIsSkippedAndTheRunGoesOn) {
  const NativePath a = OnDisk("a");
  files_.faults.deny_list = [&](const NativePath& folder, int) { return folder == a; };
  EXPECT_EQ(Catalogue(),
            (std::vector<std::string>{"        300.000  b\\y.zip", "        400.000  z.zip"}));
}

// Unlike a folder the system refuses, one whose medium fails leaves files
// unseen: the walk goes on, but the run is incomplete and an earlier
// catalogue stays. (On a real failing file system: failing_medium_test.cpp.)
TEST_F(Unreadable, FolderWhoseMediumFailsMakesTheRunIncomplete) {
  const NativePath a = OnDisk("a");
  files_.faults.before_list = [&](const NativePath& folder, int) {
    if (folder == a) throw ListingFailed("a");
  };
  tmp_.Write("work/DYSK.txt", "        100.000  stary.bin\r\n");
  rig_.Catalogue('C');
  EXPECT_EQ(rig_.status(), " Przerwane, zostaje poprzedni DYSK.txt.");
  EXPECT_EQ(rig_.rows().size(), 2u) << "b and the root are walked";
  EXPECT_EQ(CatalogueLines("DYSK.txt"), std::vector<std::string>{"        100.000  stary.bin"});
}

TEST_F(Unreadable, UnreadableRootGivesAnEmptyCatalogue) {
  const NativePath root = disk_.string();
  files_.faults.deny_list = [&](const NativePath& folder, int) { return folder == root; };
  EXPECT_TRUE(Catalogue().empty());
  EXPECT_TRUE(rig_.rows().empty());
  EXPECT_EQ(rig_.toolkit().l().Selected(), -1);
}

TEST_F(Unreadable, FolderThatDisappearsBeforeItsWalkIsLeftOut) {
  const NativePath b = OnDisk("b");
  files_.faults.before_list = [&](const NativePath& folder, int earlier) {
    if (folder == b && earlier == 0) fs::remove_all(b);
  };
  EXPECT_EQ(Catalogue(),
            (std::vector<std::string>{"        100.000  a\\sub\\s.zip",
                                      "        200.000  a\\own.zip", "        400.000  z.zip"}));
}

// Each folder is listed once: a folder that becomes a file after its
// parent's listing is neither walked nor listed as a file.
TEST_F(Unreadable, FolderThatBecomesAFileBeforeItsWalkIsLeftOut) {
  const NativePath b = OnDisk("b");
  files_.faults.before_list = [&](const NativePath& folder, int earlier) {
    if (folder == b && earlier == 0) {
      fs::remove_all(b);
      tmp_.File("disk/b", 600000);
    }
  };
  EXPECT_EQ(Catalogue(),
            (std::vector<std::string>{"        100.000  a\\sub\\s.zip",
                                      "        200.000  a\\own.zip", "        400.000  z.zip"}));
}

// Real permissions, through the program itself. Root reads every folder, so
// as root the program runs as the unprivileged user "nobody".
TEST(UnreadableOnDisk, FolderWithoutReadPermissionIsSkipped) {
  constexpr int kNobody = 65534;
  const int as_user = geteuid() == 0 ? kNobody : -1;
  TempFolder tmp;
  tmp.File("disk/a/x.zip", 100000);
  tmp.File("disk/b/y.zip", 200000);
  tmp.File("disk/c/d/z.zip", 300000);
  const fs::path work = tmp.Folder("work");
  fs::permissions(tmp.path(),
                  fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
  fs::permissions(work, fs::perms::all);
  fs::permissions(tmp / "disk/b", fs::perms::owner_exec | fs::perms::others_exec);
  fs::permissions(tmp / "disk/c", fs::perms::none);
  const auto result = RunHeadless("drive C 3 1 1 " + (tmp / "disk").string() +
                                      " DYSK\nstart\ntick\nselect Li 3\nclick Yes\nshow\n",
                                  work, as_user);
  if (result.status == 127) GTEST_SKIP() << "the program cannot run as user " << as_user;
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.out.find("status:  Koniec C:, "), std::string::npos) << result.out;
  EXPECT_EQ(tmp.Read("work/DYSK.txt"), "        100.000  a\\x.zip\r\n");
}

}  // namespace
}  // namespace zbk::testing
