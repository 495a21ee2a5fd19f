// Catalogue files that vanish or cannot be read between the listing of the
// working folder and their turn in a search: the search ends with the error
// report, the hits found before stay, no file is changed, and the window
// stays usable.
#include <map>

#include "real_drive.h"
#include "text/literal.h"

namespace zbk::testing {
namespace {

namespace fs = std::filesystem;

class FailingSearch : public RealDrive {
 protected:
  FailingSearch() {
    WriteOldFile(work_ / "A.txt", "        100.000  kot.zip\r\n");
    WriteOldFile(work_ / "B.txt", "        200.000  kot2.zip\r\n        300.000  pies.zip\r\n");
    WriteOldFile(work_ / "C.txt", "        400.000  kot3.zip\r\n");
    for (const char* name : {"A.txt", "B.txt", "C.txt"}) before_[name] = Stamp(work_ / name);
  }

  void ExpectFilesUntouched() {
    for (const auto& [name, stamp] : before_) {
      if (fs::exists(work_ / name)) {
        EXPECT_EQ(Stamp(work_ / name), stamp) << name;
      }
    }
  }

  std::map<std::string, FileStamp> before_;
};

TEST_F(FailingSearch, FileThatVanishesBeforeItsOpenEndsTheSearch) {
  const NativePath b = posix_.Child(".", "B.txt");
  files_.faults.before_open = [&](const NativePath& file) {
    if (file == b) fs::remove(work_ / "B.txt");
  };
  rig_.Search("kot");
  EXPECT_EQ(rig_.errors(),
            std::vector<std::string>{std::string("Nie mogę otworzyć pliku B.txt"_cp)});
  EXPECT_EQ(rig_.rows(), std::vector<std::string>{" A.txt:         100.000  kot.zip"});
  EXPECT_EQ(rig_.status(), std::string(" Przeszukuję plik A.txt."_cp));
  ExpectFilesUntouched();
  ExpectAbortedButUsable(rig_);
}

TEST_F(FailingSearch, FileThatCannotBeOpenedEndsTheSearch) {
  const NativePath b = posix_.Child(".", "B.txt");
  files_.faults.deny_open = [&](const NativePath& file) { return file == b; };
  rig_.Search("kot");
  EXPECT_EQ(rig_.errors(),
            std::vector<std::string>{std::string("Nie mogę otworzyć pliku B.txt"_cp)});
  EXPECT_EQ(rig_.rows(), std::vector<std::string>{" A.txt:         100.000  kot.zip"});
  ExpectFilesUntouched();
  ExpectAbortedButUsable(rig_);
}

TEST_F(FailingSearch, ReadFailingPartWayKeepsTheHitsBeforeIt) {
  // A.txt is 26 bytes long; B.txt fails after its first line.
  files_.faults.read_room = 28;
  rig_.Search("zip");
  EXPECT_EQ(rig_.errors(), std::vector<std::string>{std::string("Błąd odczytu pliku B.txt"_cp)});
  EXPECT_EQ(rig_.rows(), (std::vector<std::string>{" A.txt:         100.000  kot.zip",
                                                   " B.txt:         200.000  kot2.zip"}));
  ExpectFilesUntouched();
  ExpectAbortedButUsable(rig_);
}

}  // namespace
}  // namespace zbk::testing
