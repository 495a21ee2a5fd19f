// What the main window owns and every command reaches: the platform, the
// widgets, the status line and the global state of the window.
#pragma once

#include <cstdint>

#include "ports/os.h"
#include "ports/toolkit.h"
#include "text/short_text.h"
#include "window/status_line.h"
#include "window/window_words.h"

namespace zbk {

// The refresh timer ticks every 2.5 seconds; TickCount counts its ticks.
inline constexpr int kTimerInterval = 2500;

struct WindowState {
  WindowState(Os services, Widgets widgets) : os(services), w(widgets), status(w.Pa, w.Fo) {}

  // True while a command runs: BusyFlag is -1 then, 0 otherwise, and every
  // test compares it with 0.
  bool Busy() const { return BusyFlag != 0; }
  void ShowStatus(std::string_view message) { status.ShowStatus(message); }
  // The command the action button runs; its caption names it.
  void SetCommand(Command next) {
    command = next;
    w.Yes.SetCaption(CommandCaption(next));
  }

  // The window's globals, under the names the program has always given
  // them (the status line keeps LastStatus).
  std::int32_t BusyFlag = 0;
  std::uint32_t TickCount = 0;
  ShortText HostCaption;

  // What the window holds besides, named as every other member is.
  Os os;
  Widgets w;  // the widgets, each under its name in the layout
  StatusLine status;
  Command command = kFirstCommand;
};

}  // namespace zbk
