#include "app/main_window.h"

#include "catalogue/catalogue_run.h"
#include "drives/drive_line.h"
#include "drives/drive_refresh.h"
#include "listtools/list_tools.h"
#include "search/catalogue_search.h"
#include "text/literal.h"
#include "window/command_patience.h"
#include "window/help_text.h"
#include "window/host_caption.h"
#include "window/layout.h"

namespace zbk {

void TFo::Run(WindowEvent event) {
  switch (event) {
    case WindowEvent::kCreated:
      return FCreat();
    case WindowEvent::kTimerTick:
      return TTimer();
    case WindowEvent::kActionClicked:
      return YClick();
    case WindowEvent::kStopClicked:
      return EClick();
    case WindowEvent::kSortClicked:
      return AClick();
    case WindowEvent::kEqualSizeClicked:
      return XClick();
    case WindowEvent::kDriveListEntered:
      return LiEnte();
    case WindowEvent::kQueryEntered:
      return EEnter();
    case WindowEvent::kResultListEntered:
      return LEnter();
  }
}

void TFo::FCreat() {
  MainWindow& fo = state_.w.Fo;
  fo.SetLeft(1);
  fo.SetTop(1);
  fo.SetWidth(fo.ScreenWidth() - 2);
  state_.BusyFlag = 0;
  state_.HostCaption = BuildHostCaption(state_.os.hosts);
  state_.TickCount = 0;
  fo.SetPanelSize(fo.ClientWidth(), fo.ClientHeight());
  // Grow the window a pixel at a time until Pan is tall enough; stop where
  // the window cannot grow any more.
  while (fo.PanelHeight() < kPanHeight) {
    const int before = fo.Height();
    fo.SetHeight(before + 1);
    if (fo.Height() <= before) break;
  }
  state_.w.Li.Clear();
  state_.w.Li.Add(kDriveListHeader);
  state_.w.L.Clear();
  AddHelpText(state_.w.L);
}

void TFo::TTimer() {
  RefreshDrives(state_);
}

void TFo::YClick() {
  Button& yes = state_.w.Yes;
  yes.SetEnabled(false);
  state_.BusyFlag = -1;
  // Cleared when the command returns, and also when a file error aborts it.
  struct Running {
    explicit Running(bool& flag) : flag_(flag) { flag_ = true; }
    ~Running() { flag_ = false; }
    bool& flag_;
  } running(command_running_);
  CommandPatience patience(state_);
  switch (state_.command) {
    case Command::kCatalogue:
      CatalogueRun(state_);
      break;
    case Command::kSearch:
      CatalogueSearch(state_);
      break;
    case Command::kChangeQuery:
      state_.w.E.Focus();
      break;
  }
  state_.BusyFlag = 0;
  yes.SetEnabled(true);
}

void TFo::EClick() {
  state_.ShowStatus("Zatrzymane"_cp);
  if (state_.Busy()) {
    state_.BusyFlag = 0;
    // After a command that a file error aborted, nothing runs any more: the
    // action button comes back, so the window is usable without a restart.
    if (!command_running_) state_.w.Yes.SetEnabled(true);
    return;
  }
  state_.w.Fo.Close();
}

void TFo::AClick() {
  SortResults(state_);
}
void TFo::XClick() {
  EqualSizeFinder(state_);
}
void TFo::LiEnte() {
  state_.SetCommand(Command::kCatalogue);
}
void TFo::EEnter() {
  state_.SetCommand(Command::kSearch);
}
void TFo::LEnter() {
  state_.SetCommand(Command::kChangeQuery);
}

}  // namespace zbk
