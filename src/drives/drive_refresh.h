// The timer's tick: the running time in the window caption at every second
// tick, and the drive list rebuilt, a changed row becoming the selected drive.
#pragma once

#include "window/window_state.h"

namespace zbk {

void RefreshDrives(WindowState& state);

}  // namespace zbk
