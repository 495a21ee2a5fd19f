// The window's contract: the same cases on every toolkit (the in-memory
// one, Qt, Win32 under Wine), the real TFo behind each. A test program
// includes this once and instantiates the suite with its rig, which derives
// from WindowRigBase, attaches its toolkit and offers:
//   void Start();            FCreat, the window shown with the focus in Li
//   void Tick();             one tick of the refresh timer
//   void Do(UserAction);     the user's action, handled before it returns
//   void DoWhileItRuns(UserAction start, UserAction during);
//                            `during` comes while what `start` started
//                            processes messages
//   void SetQuery(std::string_view cp1250);
//   std::optional<FocusControl> Focused();  where the input focus is
//   std::string Status();    what the status line shows
//   bool closed();           the window is gone and its timer stopped
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "platform/drivetable/drive_table.h"
#include "platform/window_delivery.h"
#include "support/system_files.h"
#include "support/temp_folder.h"
#include "support/window_fixture.h"
#include "support/working_folder.h"
#include "text/literal.h"

#ifdef _WIN32
#include <windows.h>

#include "platform/win32/wide_text.h"
#else
#include <sys/stat.h>
#endif

namespace zbk::testing {

enum class UserAction { kTab, kEnter, kEsc, kClickYes, kCloseByTitleBar };

// The window's handlers with a record of every event delivered to them,
// and a fault to inject before a handler runs.
class RecordingHandlers : public WindowHandlers {
 public:
  void Run(WindowEvent event) override {
    events.push_back(event);
    if (fault) fault(event);
    inner->Run(event);
  }
  std::size_t Count(WindowEvent event) const {
    return static_cast<std::size_t>(std::count(events.begin(), events.end(), event));
  }

  WindowHandlers* inner = nullptr;
  std::vector<WindowEvent> events;
  std::function<void(WindowEvent)> fault;
};

// What every rig has: drive K (ARCHIWUM) over a folder with Polish names,
// an empty working folder, the machine's files, the host names jan and PC1,
// the error reports collected.
class WindowRigBase {
 public:
  WindowRigBase()
      : disk_(Folder(temp_.path() / "dysk")),
        work_(Folder(temp_.path() / "katalogi")),
        in_work_(work_) {
    File(disk_ / u8"Zdjęcia" / u8"źródło.dat", 150000);
    File(disk_ / u8"Zdjęcia" / u8"mały.dat", 10);
    for (int i = 0; i < 5; ++i) {
      File(disk_ / ("folder" + std::to_string(i)) / "plik.bin", 100000 + i);
    }
#ifdef _WIN32
    const NativePath root = NativeOf(disk_.wstring());
#else
    const NativePath root = disk_.string();
#endif
    drives.Set('K', {kDriveRemovable, 1 << 30, 2LL << 30, root, "ARCHIWUM", std::nullopt});
  }
  ~WindowRigBase() {
#ifdef _WIN32
    if (held_ != INVALID_HANDLE_VALUE) CloseHandle(held_);
#endif
  }
  WindowRigBase(const WindowRigBase&) = delete;
  WindowRigBase& operator=(const WindowRigBase&) = delete;

  const WindowState& state() const {
    return fo_->state();
  }
  // A catalogue file of the working folder (drive K's by default); empty
  // when there is none.
  std::string Catalogue(std::string_view name = "ARCHIWUM.txt") const {
    std::ifstream in(work_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  // ZEPSUTY.TXT in the working folder, which no search can read.
  void MakeUnreadableCatalogue() {
#ifdef _WIN32
    held_ = CreateFileW((work_ / "ZEPSUTY.TXT").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                        CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(held_, INVALID_HANDLE_VALUE);
#else
    ASSERT_EQ(mkfifo((work_ / "ZEPSUTY.TXT").c_str(), 0644), 0);
#endif
  }

  DriveTable drives;
  SystemFiles files;
  FixedHosts hosts;
  RecordingHandlers handlers;
  std::vector<std::string> errors;

 protected:
  // The toolkit delivers to the recording handlers, which pass on to `fo`.
  void Attach(WindowDelivery& toolkit, TFo& fo) {
    fo_ = &fo;
    handlers.inner = &fo;
    toolkit.SetErrorSink([this](std::string_view message) { errors.emplace_back(message); });
  }

 private:
  static std::filesystem::path Folder(const std::filesystem::path& path) {
    std::filesystem::create_directories(path);
    return path;
  }
  static void File(const std::filesystem::path& path, std::uintmax_t size) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary).close();
    std::filesystem::resize_file(path, size);
  }

  TempFolder temp_;
  std::filesystem::path disk_;
  std::filesystem::path work_;
  ScopedWorkingFolder in_work_;
  const TFo* fo_ = nullptr;
#ifdef _WIN32
  HANDLE held_ = INVALID_HANDLE_VALUE;
#endif
};

template <typename Rig>
class WindowContract : public ::testing::Test {
 protected:
  std::string Caption() { return rig_.state().w.Yes.Caption(); }
  bool YesEnabled() { return rig_.state().w.Yes.Enabled(); }
  int Busy() { return rig_.state().BusyFlag; }
  std::string LastStatus() { return rig_.state().status.LastStatus().str(); }
  // The rows of the result list.
  std::vector<std::string> Rows() {
    std::vector<std::string> rows;
    const ListBox& l = rig_.state().w.L;
    for (int i = 0; i < l.Count(); ++i) rows.push_back(l.Row(i));
    return rows;
  }
  // The window's first tick, and drive K selected.
  void SelectDriveK() {
    rig_.Start();
    rig_.Tick();
    ASSERT_EQ(rig_.state().w.Li.Row(11).substr(0, 4), " K: ");
    rig_.state().w.Li.Select(11);
  }

  Rig rig_;
};

TYPED_TEST_SUITE_P(WindowContract);

inline const std::string kCatalogue = std::string(
    "        100.000  folder0\\plik.bin\r\n"
    "        100.001  folder1\\plik.bin\r\n"
    "        100.002  folder2\\plik.bin\r\n"
    "        100.003  folder3\\plik.bin\r\n"
    "        100.004  folder4\\plik.bin\r\n"
    "        150.000  Zdjęcia\\źródło.dat\r\n"_cp);

TYPED_TEST_P(WindowContract, StartsWithFCreatThenLiTakesTheFocusOnce) {
  auto& rig = this->rig_;
  rig.Start();
  EXPECT_EQ(rig.handlers.events,
            (std::vector<WindowEvent>{WindowEvent::kCreated, WindowEvent::kDriveListEntered}));
  EXPECT_EQ(rig.Focused(), FocusControl::kLi);
  EXPECT_EQ(this->Caption(), "Analizuj");
  EXPECT_TRUE(this->YesEnabled());
  EXPECT_EQ(rig.Status(), " Pa");
  rig.state().w.Li.Focus();  // where the focus is: its handler does not run again
  EXPECT_EQ(rig.handlers.events.size(), 2u);
}

TYPED_TEST_P(WindowContract, TabMovesTheFocusAndTheCaptionNamesTheCommand) {
  auto& rig = this->rig_;
  rig.Start();
  const std::pair<FocusControl, std::string> cycle[] = {{FocusControl::kL, std::string("Zmień"_cp)},
                                                        {FocusControl::kE, "Szukaj"},
                                                        {FocusControl::kLi, "Analizuj"}};
  for (const auto& [control, caption] : cycle) {
    rig.Do(UserAction::kTab);
    EXPECT_EQ(rig.Focused(), control);
    EXPECT_EQ(this->Caption(), caption);
  }
  // Zmień moves to the query field; the window is idle again after.
  rig.Do(UserAction::kTab);
  rig.Do(UserAction::kEnter);
  EXPECT_EQ(rig.Focused(), FocusControl::kE);
  EXPECT_EQ(this->Caption(), "Szukaj");
  EXPECT_TRUE(this->YesEnabled());
  EXPECT_EQ(this->Busy(), 0);
  using E = WindowEvent;
  EXPECT_EQ(rig.handlers.events,
            (std::vector<WindowEvent>{E::kCreated, E::kDriveListEntered, E::kResultListEntered,
                                      E::kQueryEntered, E::kDriveListEntered, E::kResultListEntered,
                                      E::kActionClicked, E::kQueryEntered}));
}

TYPED_TEST_P(WindowContract, EnterAndClicksDoNothingWhileYesIsDisabled) {
  auto& rig = this->rig_;
  rig.Start();
  rig.state().w.Yes.SetEnabled(false);
  rig.Do(UserAction::kEnter);
  rig.Do(UserAction::kClickYes);
  EXPECT_EQ(rig.handlers.Count(WindowEvent::kActionClicked), 0u);
  rig.state().w.Yes.SetEnabled(true);
  rig.Do(UserAction::kClickYes);  // Analizuj with no drive selected
  EXPECT_EQ(rig.Status(), std::string(" Wybierz napęd."_cp));
}

TYPED_TEST_P(WindowContract, EscStopsARunningCommandAndClosesAnIdleWindow) {
  auto& rig = this->rig_;
  this->SelectDriveK();
  rig.DoWhileItRuns(UserAction::kEnter, UserAction::kEsc);
  EXPECT_FALSE(rig.closed());
  EXPECT_EQ(rig.Catalogue(), "");  // stopped before the walk listed anything
  EXPECT_EQ(this->Busy(), 0);
  EXPECT_TRUE(this->YesEnabled());

  rig.Do(UserAction::kEsc);
  EXPECT_EQ(this->LastStatus(), " Zatrzymane.");
  EXPECT_TRUE(rig.closed());
  const std::size_t delivered = rig.handlers.events.size();
  rig.state().w.L.Focus();  // no handler runs after the window has closed
  EXPECT_EQ(rig.handlers.events.size(), delivered);
}

TYPED_TEST_P(WindowContract, ClosingTheWindowDuringACommandWaitsForItsEnd) {
  auto& rig = this->rig_;
  this->SelectDriveK();
  rig.DoWhileItRuns(UserAction::kEnter, UserAction::kCloseByTitleBar);
  EXPECT_EQ(rig.Catalogue(), kCatalogue);
  // The run's last move of the focus still reached its handler.
  EXPECT_EQ(this->Caption(), "Zmień"_cp);
  EXPECT_EQ(this->Busy(), 0);
  EXPECT_TRUE(rig.closed());
}

TYPED_TEST_P(WindowContract, AFileErrorEndsTheCommandUntilEscGivesTheWindowBack) {
  auto& rig = this->rig_;
  rig.MakeUnreadableCatalogue();
  rig.Start();
  rig.Do(UserAction::kTab);
  rig.Do(UserAction::kTab);
  rig.SetQuery("x");
  rig.Do(UserAction::kEnter);
  EXPECT_EQ(rig.errors,
            std::vector<std::string>{std::string("Nie mogę otworzyć pliku ZEPSUTY.TXT"_cp)});
  // The aborted handler's last steps did not run.
  EXPECT_FALSE(this->YesEnabled());
  EXPECT_NE(this->Busy(), 0);
  rig.Do(UserAction::kEnter);
  EXPECT_EQ(rig.errors.size(), 1u);

  rig.Do(UserAction::kEsc);  // only stops
  EXPECT_EQ(this->LastStatus(), " Zatrzymane.");
  EXPECT_FALSE(rig.closed());
  EXPECT_EQ(this->Busy(), 0);
  EXPECT_TRUE(this->YesEnabled());
  rig.Do(UserAction::kEnter);  // a new command runs, into the same error
  EXPECT_EQ(rig.errors.size(), 2u);
  rig.Do(UserAction::kEsc);
  EXPECT_FALSE(rig.closed());
  rig.Do(UserAction::kEsc);
  EXPECT_TRUE(rig.closed());
}

TYPED_TEST_P(WindowContract, AnyOtherErrorOfAHandlerIsReportedAndTheWindowGoesOn) {
  auto& rig = this->rig_;
  rig.Start();
  rig.handlers.fault = [](WindowEvent event) {
    if (event == WindowEvent::kResultListEntered) throw std::runtime_error("zepsute");
  };
  rig.Do(UserAction::kTab);
  EXPECT_EQ(rig.errors, std::vector<std::string>{std::string("Błąd programu: zepsute"_cp)});
  EXPECT_EQ(this->Caption(), "Analizuj");  // LEnter did not run
  rig.handlers.fault = nullptr;
  rig.Do(UserAction::kTab);
  EXPECT_EQ(this->Caption(), "Szukaj");
}

TYPED_TEST_P(WindowContract, CataloguesADriveAndSearchesItsCatalogue) {
  auto& rig = this->rig_;
  this->SelectDriveK();
  rig.Do(UserAction::kEnter);
  EXPECT_EQ(rig.Catalogue(), kCatalogue);
  const std::string zrodlo("        150.000  Zdjęcia\\źródło.dat"_cp);
  ASSERT_EQ(this->Rows().size(), 6u);
  EXPECT_EQ(this->Rows()[5], zrodlo);
  EXPECT_EQ(rig.Focused(), FocusControl::kL);
  EXPECT_EQ(this->Caption(), "Zmień"_cp);
  EXPECT_TRUE(rig.Status().starts_with(" Koniec K:")) << rig.Status();
  EXPECT_TRUE(this->YesEnabled());

  rig.Do(UserAction::kTab);
  rig.SetQuery("ŹRÓDŁO"_cp);  // the case of ą to ż counts
  rig.Do(UserAction::kEnter);
  EXPECT_TRUE(this->Rows().empty());
  EXPECT_EQ(rig.Status(), " Koniec szukania.");
  rig.SetQuery("zdjęcia źródło"_cp);
  rig.Do(UserAction::kEnter);
  EXPECT_EQ(this->Rows(), (std::vector<std::string>{" ARCHIWUM.txt: " + zrodlo,
                                                    " Dyski:", "        ARCHIWUM.txt"}));
  EXPECT_EQ(rig.Focused(), FocusControl::kE);
  EXPECT_EQ(this->Caption(), "Szukaj");
  EXPECT_TRUE(rig.errors.empty());
}

REGISTER_TYPED_TEST_SUITE_P(WindowContract, StartsWithFCreatThenLiTakesTheFocusOnce,
                            TabMovesTheFocusAndTheCaptionNamesTheCommand,
                            EnterAndClicksDoNothingWhileYesIsDisabled,
                            EscStopsARunningCommandAndClosesAnIdleWindow,
                            ClosingTheWindowDuringACommandWaitsForItsEnd,
                            AFileErrorEndsTheCommandUntilEscGivesTheWindowBack,
                            AnyOtherErrorOfAHandlerIsReportedAndTheWindowGoesOn,
                            CataloguesADriveAndSearchesItsCatalogue);

}  // namespace zbk::testing
