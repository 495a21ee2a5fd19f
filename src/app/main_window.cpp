#include "app/main_window.h"

#include "app/help_text.h"
#include "app/host_caption.h"
#include "app/layout.h"
#include "catalogue/catalogue_run.h"
#include "drives/drive_refresh.h"
#include "listtools/list_tools.h"
#include "search/catalogue_search.h"
#include "text/literal.h"

namespace zbk {
namespace {

constexpr std::string_view kAnalyse = "Analizuj"_cp;
constexpr std::string_view kSearch = "Szukaj"_cp;
constexpr std::string_view kChange = "Zmień"_cp;

}  // namespace

void TFo::Run(Handler handler) {
  switch (handler) {
    case Handler::kFCreat:
      return FCreat();
    case Handler::kTTimer:
      return TTimer();
    case Handler::kYClick:
      return YClick();
    case Handler::kEClick:
      return EClick();
    case Handler::kAClick:
      return AClick();
    case Handler::kXClick:
      return XClick();
    case Handler::kLiEnte:
      return LiEnte();
    case Handler::kEEnter:
      return EEnter();
    case Handler::kLEnter:
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
  const std::string caption = yes.Caption();
  if (caption == kAnalyse) {
    CatalogueRun(state_);
  } else if (caption == kSearch) {
    CatalogueSearch(state_);
  } else if (caption == kChange) {
    state_.w.E.Focus();
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
  state_.w.Yes.SetCaption(kAnalyse);
}
void TFo::EEnter() {
  state_.w.Yes.SetCaption(kSearch);
}
void TFo::LEnter() {
  state_.w.Yes.SetCaption(kChange);
}

}  // namespace zbk
