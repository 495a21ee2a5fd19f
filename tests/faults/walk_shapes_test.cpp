// Hostile shapes of real folder trees: symbolic links (loops, links to
// folders and files), a tree 200 levels deep, folders of thousands of
// entries, names that are not UTF-8 or lie outside Windows-1250, and sparse
// files of 4 GB and more. The catalogue holds exactly the files it should.
#include "real_drive.h"
#include "text/literal.h"

namespace zbk::testing {
namespace {

namespace fs = std::filesystem;

using WalkShapes = RealDrive;

TEST_F(WalkShapes, LinksAreNeverWalkedAsFolders) {
  tmp_.File("disk/b/f.zip", 200000);
  tmp_.File("disk/a/real.zip", 100000);
  fs::create_directory_symlink("..", tmp_ / "disk/a/up");
  fs::create_directory_symlink(".", tmp_ / "disk/a/self");
  fs::create_directory_symlink(tmp_ / "disk", tmp_ / "disk/b/root");
  fs::create_directory_symlink("b", tmp_ / "disk/to_b");
  fs::create_symlink("b/f.zip", tmp_ / "disk/to_f.zip");
  fs::create_symlink("nowhere", tmp_ / "disk/dangling");
  // 122 unusual files: one more would bring a report. Links to folders and
  // links leading nowhere are no files, so they add none.
  for (int i = 0; i < 122; ++i) tmp_.File("disk/u/f" + std::to_string(i) + ".dat", 0);
  for (int i = 0; i < 5; ++i) {
    fs::create_directory_symlink("b", tmp_ / ("disk/l" + std::to_string(i) + ".dat"));
  }
  fs::create_symlink("nowhere", tmp_ / "disk/gone.dat");
  EXPECT_EQ(Catalogue(), (std::vector<std::string>{"        100.000  a\\real.zip",
                                                   "        200.000  b\\f.zip"}));
  EXPECT_EQ(rig_.rows().size(), 2u) << "no report";
}

TEST_F(WalkShapes, TreeTwoHundredLevelsDeepIsWalkedToTheBottom) {
  std::string deep;
  for (int i = 0; i < 200; ++i) deep += "d/";
  tmp_.File("disk/d/top.zip", 100000);
  tmp_.File("disk/" + deep + "bottom.zip", 200000);
  std::string folder_part;
  for (int i = 0; i < 100; ++i) folder_part += "d\\";
  // The folder part of a line is at most 200 characters of the path.
  EXPECT_EQ(Catalogue(), (std::vector<std::string>{"        200.000  " + folder_part + "bottom.zip",
                                                   "        100.000  d\\top.zip"}));
}

// A camera card folder holds up to 9,999 files: every one is catalogued,
// as is every folder of a folder of thousands.
TEST_F(WalkShapes, FoldersOfThousandsOfEntriesAreCataloguedWhole) {
  std::vector<std::string> expected;
  for (int i = 0; i < 1003; ++i) {
    const std::string name = "s" + std::to_string(10000 + i);
    tmp_.File("disk/" + name + "/f.zip", 100000);
    expected.push_back("        100.000  " + name + "\\f.zip");
  }
  for (int i = 0; i < 5000; ++i) {
    const std::string name = "f" + std::to_string(10000 + i) + ".zip";
    tmp_.File("disk/w/" + name, 100000);
    expected.push_back("        100.000  w\\" + name);
  }
  EXPECT_EQ(Catalogue(), expected);
}

TEST_F(WalkShapes, OddNamesAreCataloguedWithQuestionMarksAndStillWalked) {
  tmp_.File("disk/bad\xFF\xFEname/x\x80y.zip", 200000);
  tmp_.File("disk/\xE6\x97\xA5\xE6\x9C\xAC/\xE5\x86\x99\xE7\x9C\x9F.zip", 300000);  // 日本/写真
  tmp_.File(
      "disk/Zdj\xC4\x99"
      "cia/\xC5\xBC\xC3\xB3\xC5\x82w.zip",
      400000);  // Zdjęcia/żółw
  tmp_.File("disk/emoji \xF0\x9F\x98\x80.zip", 500000);
  EXPECT_EQ(Catalogue(), (std::vector<std::string>{
                             "        300.000  ??\\??.zip",
                             "        200.000  bad??name\\x?y.zip",
                             std::string("        400.000  Zdjęcia\\żółw.zip"_cp),
                             "        500.000  emoji ?.zip",
                         }));
}

TEST_F(WalkShapes, SparseFilesOf4GBAndMore) {
  tmp_.File("disk/a.zip", 3000000000u);
  tmp_.File("disk/b.zip", 4294967294u);
  tmp_.File("disk/c.zip", 4294967295u);
  tmp_.File("disk/d.zip", 5000000000u);
  const std::string over(std::string("większy niż 4GB"_cp));
  EXPECT_EQ(Catalogue(),
            (std::vector<std::string>{"  3.000.000.000  a.zip", "  4.294.967.294  b.zip",
                                      over + "  c.zip", over + "  d.zip"}));
}

}  // namespace
}  // namespace zbk::testing
