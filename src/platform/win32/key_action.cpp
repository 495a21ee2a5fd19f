#include "platform/win32/key_action.h"

namespace zbk {

KeyAction KeyActionOf(WPARAM key, bool shift, bool control, bool alt) {
  if (control || alt) return KeyAction::kNone;
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
