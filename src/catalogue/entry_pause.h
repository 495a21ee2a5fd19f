// Inside one folder's work (its listing read, its entries sorted, its lines
// written) the window processes its pending messages every kPauseEntries
// entries, the status line left as it is, so that Esc is heard within a
// moment also in a folder of a million entries.
#pragma once

#include <cstddef>

#include "app/window_state.h"

namespace zbk {

inline constexpr std::size_t kPauseEntries = 65536;

class EntryPause {
 public:
  explicit EntryPause(WindowState& state) : state_(state) {}

  // One entry done; false once the command has been stopped.
  bool Step() { return ++done_ % kPauseEntries != 0 || Pause(); }
  // Processes the messages now; false once the command has been stopped.
  bool Pause() {
    state_.w.Fo.ProcessMessages();
    return state_.Busy();
  }

 private:
  WindowState& state_;
  std::size_t done_ = 0;
};

}  // namespace zbk
