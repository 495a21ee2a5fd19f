// Catalogue files that cannot be created, and writes that fail during a
// run: a file that cannot be created ends the run with its own message; a
// failed write or close ends it with the error report. Either way the old
// catalogue of that name stays as it was, no temporary file is left, no
// other catalogue file is touched and the window stays usable.
#include "real_drive.h"
#include "text/literal.h"

namespace zbk::testing {
namespace {

namespace fs = std::filesystem;

class FailingWrites : public RealDrive {
 protected:
  FailingWrites() {
    // Three folders of 900 files: more lines than the writer holds back.
    for (const char* folder : {"a", "b", "c"}) {
      for (int i = 0; i < 900; ++i) {
        tmp_.File(std::string("disk/") + folder + "/f" + std::to_string(1000 + i) + ".zip", 100000);
      }
    }
    WriteOldFile(work_ / "INNY.txt", "        100.000  stary.zip\r\n");
    other_ = Stamp(work_ / "INNY.txt");
    WriteOldFile(work_ / "DYSK.txt", "        100.000  poprzedni.zip\r\n");
    old_ = Stamp(work_ / "DYSK.txt");
  }

  void ExpectOldCatalogueOnly() {
    EXPECT_EQ(Stamp(work_ / "DYSK.txt"), old_);
    EXPECT_EQ(Stamp(work_ / "INNY.txt"), other_);
    EXPECT_EQ(std::distance(fs::directory_iterator(work_), fs::directory_iterator()), 2);
  }

  FileStamp other_;
  FileStamp old_;
};

TEST_F(FailingWrites, CatalogueFileThatCannotBeCreatedEndsTheRunWithItsMessage) {
  rig_.toolkit().l().Add("poprzedni wiersz");
  files_.faults.refuse_create = true;
  rig_.Catalogue('C');
  EXPECT_EQ(rig_.status(), std::string(" Nie mogę stworzyć DYSK.txt."_cp));
  EXPECT_TRUE(rig_.rows().empty());
  EXPECT_TRUE(rig_.errors().empty());
  EXPECT_EQ(rig_.busy(), 0);
  EXPECT_TRUE(rig_.yes_enabled());
  ExpectOldCatalogueOnly();

  // Nothing is left behind: the next run works.
  files_.faults.refuse_create = false;
  EXPECT_EQ(Catalogue().size(), 2700u);
}

TEST_F(FailingWrites, DiskFullInTheMiddleOfARunEndsItWithTheErrorReport) {
  files_.faults.write_room = 10000;
  rig_.Catalogue('C');
  EXPECT_EQ(rig_.errors(), std::vector<std::string>{std::string("Błąd zapisu pliku DYSK.txt"_cp)});
  // The walk got no further than the folder whose lines filled the buffer.
  const auto rows = rig_.rows();
  EXPECT_GT(rows.size(), 900u);
  EXPECT_LT(rows.size(), 2700u);
  EXPECT_TRUE(rig_.status().starts_with(" Szukam plików w C:\\"_cp));
  ExpectOldCatalogueOnly();
  ExpectAbortedButUsable(rig_);
}

TEST_F(FailingWrites, WriteFailingAtTheCloseEndsTheRunWithTheErrorReport) {
  fs::remove_all(tmp_ / "disk/b");
  fs::remove_all(tmp_ / "disk/c");
  files_.faults.write_room = 0;
  rig_.Catalogue('C');
  EXPECT_EQ(rig_.errors(), std::vector<std::string>{std::string("Błąd zapisu pliku DYSK.txt"_cp)});
  EXPECT_EQ(rig_.rows().size(), 900u) << "every line reached the result list";
  EXPECT_EQ(rig_.status(), std::string(" Szukam plików w C:\\."_cp)) << "no finish message";
  ExpectOldCatalogueOnly();
  ExpectAbortedButUsable(rig_);
}

TEST_F(FailingWrites, FailingCloseEndsTheRunWithTheErrorReport) {
  files_.faults.fail_close = true;
  rig_.Catalogue('C');
  EXPECT_EQ(rig_.errors(),
            std::vector<std::string>{std::string("Błąd zamknięcia pliku DYSK.txt"_cp)});
  EXPECT_EQ(rig_.rows().size(), 2700u);
  ExpectOldCatalogueOnly();
  ExpectAbortedButUsable(rig_);
}

}  // namespace
}  // namespace zbk::testing
