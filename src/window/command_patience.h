// While a command waits for a drive that is slow to answer (a listing, a
// read), the window processes its pending messages at every step of the
// wait, the status line left as it is: Esc stops the command there, and so
// does closing the window, which then closes once the command has wound
// down.
#pragma once

#include "window/window_state.h"

namespace zbk {

class CommandPatience : public Patience {
 public:
  // Set on the window's Files for as long as it lives.
  explicit CommandPatience(WindowState& state);
  ~CommandPatience() override;
  CommandPatience(const CommandPatience&) = delete;
  CommandPatience& operator=(const CommandPatience&) = delete;

  bool KeepWaiting() override;

 private:
  WindowState& state_;
};

}  // namespace zbk
