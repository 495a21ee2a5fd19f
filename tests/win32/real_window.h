// The real window under test: the core's TFo on the Win32 controls, over
// the drive K of the window's contract and a working folder in a temporary
// folder. Keys are posted to the focused control and run through the
// window's own message processing. It is also the rig of the contract.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "contract/window_contract.h"
#include "platform/win32/win32_toolkit.h"

namespace zbk::testing {

class Win32Rig : public WindowRigBase {
 public:
  Win32Rig();
  ~Win32Rig();

  void Start();
  void Tick();
  // Lets the window handle everything waiting.
  void Pump() { toolkit.ProcessMessages(); }
  // A key pressed while the focus is where it is.
  void Post(WPARAM key);
  void Press(WPARAM key) {
    Post(key);
    Pump();
  }
  // The key pressed with Ctrl held.
  void PressWithCtrl(WPARAM key);
  Rect Bounds(WidgetId id) const;
  std::string YesCaption() { return toolkit.yes().Caption(); }

  // The window's contract.
  void Do(UserAction action) {
    Queue(action);
    Pump();
  }
  void DoWhileItRuns(UserAction start, UserAction during) {
    Queue(start);
    Queue(during);
    Pump();
  }
  void SetQuery(std::string_view cp1250);
  std::optional<FocusControl> Focused() const;
  std::string Status() { return toolkit.pa().Caption(); }
  bool closed() const { return toolkit.closed() && toolkit.destroyed(); }

  Win32Toolkit toolkit;
  TFo fo;

 private:
  void Queue(UserAction action);
};

// A test of the window, started.
class RealWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { rig.Start(); }
  Win32Rig rig;
  Win32Toolkit& window = rig.toolkit;
};

}  // namespace zbk::testing
