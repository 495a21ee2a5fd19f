// A drive whose queries hang, behind the window's TimeBoundDrives: the
// timer goes on, the drive's row shows a failing query until the drive
// answers again, the window closes, and a catalogue run on the drive keeps
// the earlier catalogue.
#include <gtest/gtest.h>

#include <chrono>

#include "app/main_window.h"
#include "platform/memory/memory_toolkit.h"
#include "platform/time_bound_drives.h"
#include "real_drive.h"
#include "support/gated_drives.h"
#include "support/window_fixture.h"
#include "text/literal.h"

namespace zbk::testing {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

class HungDrive : public ::testing::Test {
 protected:
  HungDrive() : disk_(tmp_.Folder("disk")), work_(tmp_.Folder("work")), cwd_(work_) {
    tmp_.File("disk/a/big.zip", 200000);
    DriveInfo d;
    d.type = kDriveFixed;
    d.free = std::int64_t{37} << 30;
    d.total = std::int64_t{931} << 30;
    d.root = disk_.string();
    d.label = "ARCHIWUM";
    gated_->table().Set('D', d);
    toolkit_.SetClosedSink([this] { closed_ = true; });
    toolkit_.Start(window_);
    toolkit_.Tick();
  }
  ~HungDrive() override { gated_->Open('D'); }  // the waiting threads end

  // One tick; it must come back well before the drive would answer.
  void Tick() {
    const auto start = Clock::now();
    toolkit_.Tick();
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(2));
  }
  void CatalogueD() {
    toolkit_.li().Select(4);
    toolkit_.Focus(FocusControl::kL);
    toolkit_.Focus(FocusControl::kLi);
    toolkit_.ClickYes();
  }

  TempFolder tmp_;
  fs::path disk_;
  fs::path work_;
  ScopedWorkingFolder cwd_;
  std::shared_ptr<GatedDrives> gated_ = std::make_shared<GatedDrives>();
  TimeBoundDrives drives_{gated_};
  PosixFiles files_;
  FixedHosts hosts_;
  MemoryToolkit toolkit_;
  TFo window_{Os{drives_, files_, hosts_}, toolkit_.widgets()};
  bool closed_ = false;
};

constexpr std::string_view kAnswering = " D:   lokalny  ARCHIWUM            37    931";
constexpr std::string_view kHung = " D:   lokalny                 ";

TEST_F(HungDrive, RowShowsAFailingQueryWhileTheTimerGoesOnAndTheWindowCloses) {
  EXPECT_EQ(toolkit_.li().Row(4), kAnswering);
  gated_->Close('D');
  Tick();
  EXPECT_EQ(toolkit_.li().Row(4), kHung);
  EXPECT_EQ(toolkit_.li().Selected(), 4);
  EXPECT_EQ(toolkit_.caption(), "  jan  on  PC1   5 s");
  Tick();
  Tick();
  EXPECT_EQ(toolkit_.caption(), "  jan  on  PC1   10 s");
  EXPECT_EQ(gated_->asked('D'), 2) << "one question at a time for a drive that hangs";

  gated_->Open('D');
  Tick();  // the question out answers at last
  EXPECT_EQ(toolkit_.li().Row(4), kAnswering);

  gated_->Close('D');
  Tick();
  toolkit_.CloseByTitleBar();
  EXPECT_TRUE(closed_);
}

TEST_F(HungDrive, RunKeepsTheEarlierCatalogueWhenTheDriveStopsAnswering) {
  WriteOldFile(work_ / "ARCHIWUM.txt", "earlier\r\n");
  const FileStamp earlier = Stamp(work_ / "ARCHIWUM.txt");

  gated_->Close('D');  // before the run: a changed drive
  CatalogueD();
  EXPECT_EQ(toolkit_.pa().caption(), " Dysk się zmienił, wybierz go jeszcze raz."_cp);

  gated_->Open('D');
  Tick();
  toolkit_.SetProcessHook([this](int) { gated_->Close('D'); });  // during the walk
  CatalogueD();
  EXPECT_EQ(toolkit_.pa().caption(), " Przerwane, zostaje poprzedni ARCHIWUM.txt."_cp);
  EXPECT_EQ(Stamp(work_ / "ARCHIWUM.txt"), earlier);
  EXPECT_EQ(window_.state().BusyFlag, 0);
}

}  // namespace
}  // namespace zbk::testing
