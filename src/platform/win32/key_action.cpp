#include "platform/win32/key_action.h"

namespace zbk {

KeyAction KeyActionOf(WPARAM key, bool shift, bool control, bool alt) {
  if (alt) return KeyAction::kNone;
  if (control) {
    if (shift) return KeyAction::kNone;
    if (key == 'A') return KeyAction::kSelectAll;
    if (key == 'C') return KeyAction::kCopy;
    return KeyAction::kNone;
  }
  switch (key) {
    case VK_RETURN:
      return shift ? KeyAction::kNone : KeyAction::kDefaultButton;
    case VK_ESCAPE:
      return shift ? KeyAction::kNone : KeyAction::kCancelButton;
    case VK_TAB:
      return shift ? KeyAction::kPreviousControl : KeyAction::kNextControl;
    default:
      return KeyAction::kNone;
  }
}

}  // namespace zbk
