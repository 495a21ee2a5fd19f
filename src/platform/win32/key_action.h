// The keys the window handles itself, before the focused control sees them,
// as a dialog does: Enter presses the default button, Esc the cancel button,
// Tab and Shift+Tab move the focus. With Ctrl or Alt (or Shift, for Enter
// and Esc) held they are ordinary keys. Ctrl+A selects all of the query
// field, Ctrl+C copies the selected row of a list.
#pragma once

#include <windows.h>

namespace zbk {

enum class KeyAction {
  kNone,
  kDefaultButton,
  kCancelButton,
  kNextControl,
  kPreviousControl,
  kSelectAll,
  kCopy
};

KeyAction KeyActionOf(WPARAM key, bool shift, bool control, bool alt);

}  // namespace zbk
