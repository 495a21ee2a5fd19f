// Inside one folder's work (its listing read, its entries sorted, its lines
// written) the window processes its pending messages every 100 ms, and at
// least every kPauseEntries entries, the status line left as it is, so that
// Esc is heard within a moment also in a folder of a million entries on a
// slow drive.
#pragma once

#include <chrono>
#include <cstddef>

#include "window/window_state.h"

namespace zbk {

inline constexpr std::size_t kPauseEntries = 65536;

class EntryPause {
 public:
  explicit EntryPause(WindowState& state) : state_(state), last_(Clock::now()) {}

  // One entry done; false once the command has been stopped.
  bool Step() {
    ++done_;
    if (done_ % kPauseEntries == 0) return Pause();
    if (done_ % kClockEvery != 0 || Clock::now() - last_ < kPeriod) return true;
    return Pause();
  }
  // Processes the messages now; false once the command has been stopped.
  bool Pause() {
    state_.w.Fo.ProcessMessages();
    last_ = Clock::now();
    return state_.Busy();
  }

 private:
  using Clock = std::chrono::steady_clock;
  static constexpr std::size_t kClockEvery = 256;  // entries between looks at the clock
  static constexpr std::chrono::milliseconds kPeriod{100};

  WindowState& state_;
  Clock::time_point last_;
  std::size_t done_ = 0;
};

}  // namespace zbk
