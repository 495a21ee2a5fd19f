// A folder of hundreds of thousands of files: while it is listed, sorted
// and written, the window processes its messages at least every 65,536
// entries (and every 100 ms), the status line left as it is, and Esc stops
// the run there.
#include <gtest/gtest.h>

#include <string>

#include "catalogue/entry_pause.h"
#include "platform/posix/posix_files.h"
#include "support/temp_folder.h"
#include "support/window_rig.h"
#include "support/working_folder.h"
#include "text/literal.h"

namespace zbk::testing {
namespace {

constexpr std::string_view kRoot = "/made-up";

// The folder kRoot lists `count` files of 100000 bytes, made up as they
// are listed, in reverse name order; everything else is the system's.
class HugeFolderFiles : public FilesWrapper {
 public:
  HugeFolderFiles(Files& inner, std::size_t count) : FilesWrapper(inner), count_(count) {}

  std::unique_ptr<FolderListing> List(const NativePath& folder, std::string_view pattern,
                                      ListingDetail detail) override {
    if (folder != kRoot) return inner().List(folder, pattern, detail);
    return std::make_unique<MadeUp>(count_);
  }

 private:
  class MadeUp : public FolderListing {
   public:
    explicit MadeUp(std::size_t count) : left_(count) {}
    bool Next(FolderEntry& entry) override {
      if (left_ == 0) return false;
      entry.name = "plik" + std::to_string(left_--) + ".zip";
      entry.native = entry.name;
      entry.kind = EntryKind::kFile;
      entry.size = 100000;
      return true;
    }

   private:
    std::size_t left_;
  };

  std::size_t count_;
};

class HugeFolder : public ::testing::Test {
 protected:
  HugeFolder() : cwd_(tmp_.path()) {
    rig_.FixedDrive('C', NativePath(kRoot), "DYSK");
    rig_.Start();
    rig_.toolkit().SetProcessHook([this](int) { statuses_.push_back(rig_.status()); });
  }
  // Processings with the run's first message still in the status line:
  // the root folder's listing.
  long WhileListed() const {
    return std::count(statuses_.begin(), statuses_.end(),
                      " Start opóźniony - dajmy się dyskowi rozkręcić."_cp);
  }

  static constexpr std::size_t kFiles = 4 * kPauseEntries + 10;
  TempFolder tmp_;
  ScopedWorkingFolder cwd_;
  PosixFiles posix_;
  HugeFolderFiles files_{posix_, kFiles};
  WindowRig rig_{files_};
  std::vector<std::string> statuses_;
};

TEST_F(HugeFolder, MessagesAreProcessedWhileItIsListedSortedAndWritten) {
  rig_.Catalogue('C');
  EXPECT_EQ(rig_.status(),
            " Koniec C:, ew. podziękowania proszę wysyłać dobrym słowem do autorów Zbiorka."_cp);
  // Its own message and 4 while listed (more on a slow machine).
  EXPECT_GE(WhileListed(), 1 + 4);
  // Its own message; the files sorted in 5 pieces and 3 merges, and 4 while
  // the lines are written.
  EXPECT_GE(std::count(statuses_.begin(), statuses_.end(), " Szukam plików w C:\\."_cp),
            1 + 5 + 3 + 4);
  EXPECT_EQ(rig_.rows().size(), kFiles);
  EXPECT_EQ(rig_.rows().front(), "        100.000  plik1.zip");
}

TEST_F(HugeFolder, EscWhileItIsListedStopsTheRun) {
  rig_.toolkit().SetProcessHook([this](int) {
    statuses_.push_back(rig_.status());
    if (statuses_.size() == 3) rig_.toolkit().Post([this] { rig_.toolkit().PressEsc(); });
  });
  rig_.Catalogue('C');
  EXPECT_EQ(WhileListed(), 3);
  EXPECT_EQ(rig_.status(), " Przerwane, niepełny DYSK.txt."_cp);
  EXPECT_TRUE(rig_.rows().empty());
}

}  // namespace
}  // namespace zbk::testing
