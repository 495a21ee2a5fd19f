#include "window/command_patience.h"

namespace zbk {

CommandPatience::CommandPatience(WindowState& state) : state_(state) {
  state_.os.files.SetPatience(this);
}

CommandPatience::~CommandPatience() {
  state_.os.files.SetPatience(nullptr);
}

bool CommandPatience::KeepWaiting() {
  state_.w.Fo.ProcessMessages();
  if (state_.w.Fo.Closing()) state_.BusyFlag = 0;
  return state_.Busy();
}

}  // namespace zbk
