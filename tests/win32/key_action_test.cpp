// Which keys the window takes before the focused control sees them.
#include <gtest/gtest.h>

#include "platform/win32/key_action.h"

namespace zbk {
namespace {

TEST(KeyAction, EnterEscAndTabWorkTheWindowOnlyWithoutCtrlOrAlt) {
  EXPECT_EQ(KeyActionOf(VK_RETURN, false, false, false), KeyAction::kDefaultButton);
  EXPECT_EQ(KeyActionOf(VK_ESCAPE, false, false, false), KeyAction::kCancelButton);
  EXPECT_EQ(KeyActionOf(VK_TAB, false, false, false), KeyAction::kNextControl);
  EXPECT_EQ(KeyActionOf(VK_TAB, true, false, false), KeyAction::kPreviousControl);
  for (const WPARAM key : {VK_RETURN, VK_ESCAPE}) {
    EXPECT_EQ(KeyActionOf(key, true, false, false), KeyAction::kNone);
    EXPECT_EQ(KeyActionOf(key, false, true, false), KeyAction::kNone);
    EXPECT_EQ(KeyActionOf(key, false, false, true), KeyAction::kNone);
  }
  EXPECT_EQ(KeyActionOf(VK_TAB, false, true, false), KeyAction::kNone);
  EXPECT_EQ(KeyActionOf('A', false, false, false), KeyAction::kNone);
  EXPECT_EQ(KeyActionOf(VK_SPACE, false, false, false), KeyAction::kNone);
}

TEST(KeyAction, CtrlASelectsAllAndCtrlCCopies) {
  EXPECT_EQ(KeyActionOf('A', false, true, false), KeyAction::kSelectAll);
  EXPECT_EQ(KeyActionOf('C', false, true, false), KeyAction::kCopy);
  EXPECT_EQ(KeyActionOf('C', true, true, false), KeyAction::kNone);
  EXPECT_EQ(KeyActionOf('C', false, true, true), KeyAction::kNone);  // AltGr+C: a letter
  EXPECT_EQ(KeyActionOf('C', false, false, false), KeyAction::kNone);
  EXPECT_EQ(KeyActionOf('V', false, true, false), KeyAction::kNone);
}

}  // namespace
}  // namespace zbk
