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

struct WindowState {
  WindowState(Os os_in, Widgets widgets) : os(os_in), w(widgets), status(w.Pa, w.Fo) {}

  // -1 while a command runs, 0 otherwise; every test compares it with 0.
  bool Busy() const { return BusyFlag != 0; }
  void ShowStatus(std::string_view message) { status.ShowStatus(message); }
  // The command the action button runs; its caption names it.
  void SetCommand(Command next) {
    command = next;
    w.Yes.SetCaption(CommandCaption(next));
  }

  Os os;
  Widgets w;
  StatusLine status;
  std::int32_t BusyFlag = 0;
  std::uint32_t TickCount = 0;
  ShortText HostCaption;
  Command command = kFirstCommand;
};

}  // namespace zbk
