// A drive that hangs. Its queries, behind the window's TimeBoundDrives: the
// timer goes on, the drive's row shows a failing query until the drive
// answers again, the window closes, and a catalogue run on the drive keeps
// the earlier catalogue. Its listings and reads, behind PatientFiles: the
// window processes its messages while a command waits, Esc stops the
// command and closing the window closes it.
#include <gtest/gtest.h>

#include <chrono>

#include "app/main_window.h"
#include "platform/memory/memory_toolkit.h"
#include "platform/patient_files.h"
#include "platform/time_bound_drives.h"
#include "real_drive.h"
#include "support/gated_drives.h"
#include "support/gated_files.h"
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
    // On a slow machine (a sanitizer) a letter may answer only after the
    // first tick's wait, as one whose type is not known yet.
    for (int i = 0; i < 20 && (i == 0 || !Settled()); ++i) toolkit_.Tick();
  }
  bool Settled() {
    for (int row = 1; row <= 26; ++row) {
      if (toolkit_.li().Row(row).find("nieznany") != std::string::npos) return false;
    }
    return true;
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
  const int asked = gated_->asked('D');
  gated_->Close('D');
  Tick();
  EXPECT_EQ(toolkit_.li().Row(4), kHung);
  EXPECT_EQ(toolkit_.li().Selected(), 4);
  const std::string caption = toolkit_.caption();
  Tick();
  Tick();
  EXPECT_NE(toolkit_.caption(), caption) << "the running time goes on";
  EXPECT_EQ(gated_->asked('D'), asked + 1) << "one question at a time for a drive that hangs";

  gated_->Open('D');  // the question out answers at last, shown at a next tick
  for (int i = 0; i < 10 && toolkit_.li().Row(4) != kAnswering; ++i) Tick();
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

class HungCall : public ::testing::Test {
 protected:
  HungCall() : disk_(tmp_.Folder("disk")), work_(tmp_.Folder("work")), cwd_(work_) {
    tmp_.File("disk/a/x.zip", 200000);
    tmp_.File("disk/b/y.zip", 300000);
    WriteOldFile(work_ / "DYSK.txt", "earlier\r\n");
    rig_.FixedDrive('C', disk_.string(), "DYSK");
    rig_.Start();
    // While the call waits, the status line stays as it was; at the third
    // processing of messages the user acts.
    rig_.toolkit().SetProcessHook([this](int) {
      if (gated_.waiting() == 0 || statuses_.size() == 3) return;
      statuses_.push_back(rig_.status());
      if (statuses_.size() == 3) rig_.toolkit().Post(user_);
    });
  }

  // Runs `command`, which must end though the call it waits for never
  // returns.
  void Run(const std::function<void()>& command) {
    const auto start = Clock::now();
    command();
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(10));
    ASSERT_EQ(statuses_.size(), 3u);
    for (const std::string& status : statuses_) EXPECT_EQ(status, statuses_.front());
  }

  TempFolder tmp_;
  fs::path disk_;
  fs::path work_;
  ScopedWorkingFolder cwd_;
  PosixFiles posix_;
  GatedFiles gated_{posix_};
  PatientFiles files_{gated_};
  WindowRig rig_{files_};
  std::function<void()> user_ = [this] { rig_.toolkit().PressEsc(); };
  std::vector<std::string> statuses_;
};

TEST_F(HungCall, EscStopsARunWaitingForAListingAndTheEarlierCatalogueStays) {
  const FileStamp earlier = Stamp(work_ / "DYSK.txt");
  gated_.HoldUp((disk_ / "b").string());
  Run([this] { rig_.Catalogue('C'); });
  EXPECT_EQ(statuses_.front(), " Szukam plików w C:\\a\\."_cp);
  EXPECT_EQ(rig_.status(), " Przerwane, zostaje poprzedni DYSK.txt."_cp);
  EXPECT_EQ(Stamp(work_ / "DYSK.txt"), earlier);
  EXPECT_EQ(rig_.busy(), 0);
  EXPECT_TRUE(rig_.yes_enabled());
}

TEST_F(HungCall, EscStopsASearchWaitingForARead) {
  tmp_.Write("work/A.txt", "        200.000  a\\x.zip\r\n");
  gated_.HoldUp(files_.Child(".", "DYSK.txt"));
  Run([this] { rig_.Search("zip"); });
  EXPECT_EQ(statuses_.front(), " Przeszukuję plik DYSK.txt."_cp);
  EXPECT_EQ(rig_.status(), " Koniec szukania."_cp);
  EXPECT_EQ(rig_.rows(), (std::vector<std::string>{"    A.txt:         200.000  a\\x.zip",
                                                   " Dyski:", "           A.txt"}));
}

TEST_F(HungCall, ClosingTheWindowWhileAListingWaitsClosesIt) {
  bool closed = false;
  rig_.toolkit().SetClosedSink([&] { closed = true; });
  user_ = [this] { rig_.toolkit().CloseByTitleBar(); };
  gated_.HoldUp((disk_ / "b").string());
  Run([this] { rig_.Catalogue('C'); });
  EXPECT_TRUE(closed);
}

}  // namespace
}  // namespace zbk::testing
