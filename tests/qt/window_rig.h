// The program's real window on Qt's offscreen platform: the Qt toolkit and
// the core's TFo, the drives of the rig (drive K) or of the test, real
// folders, the fixed host names jan and PC1, and a temporary working folder
// of its own. It is also the rig of the window's contract.
#pragma once

#include <QTest>
#include <optional>
#include <string>
#include <vector>

#include "contract/window_contract.h"
#include "platform/qt/qt_toolkit.h"

namespace zbk::testing {

class WindowRig : public WindowRigBase {
 public:
  // Over the rig's drives (drive K), or over `own_drives`.
  explicit WindowRig(Drives* own_drives = nullptr);

  // FCreat, the window shown and active, the focus in Li, every row shown;
  // the refresh timer stopped again, so that only the ticks a test asks for
  // happen.
  void Start();
  // Lets the refresh timer fire once, soon, and waits for its tick and for
  // the views to show every row.
  bool Tick();
  // The views show every row of their lists (appended rows reach them a
  // moment later).
  bool Shown();
  // A key pressed where the focus is.
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  void Type(const QString& text);
  std::string YesCaption() const;  // UTF-8

  // The window's contract.
  void Do(UserAction action);
  void DoWhileItRuns(UserAction start, UserAction during);
  void SetQuery(std::string_view cp1250);
  std::optional<FocusControl> Focused();
  std::string Status();
  bool closed();

  QtToolkit toolkit;
  TFo fo;
  // The refresh timer as Start() found it.
  bool timer_was_running = false;
  int timer_interval = 0;
};

// A test of the window, started.
class StartedWindow : public ::testing::Test {
 protected:
  void SetUp() override { rig.Start(); }
  WindowRig rig;
};

// The rows of a list box, in UTF-8.
std::vector<std::string> Rows(const ListBox& list);

}  // namespace zbk::testing
