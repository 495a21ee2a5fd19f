// The program's real window on Qt's offscreen platform: the Qt toolkit and
// the core's TFo, with drives given by the test, real folders, the fixed
// host names jan and PC1, and a temporary working folder of its own.
#pragma once

#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "platform/os.h"
#include "platform/posix/posix_files.h"
#include "platform/qt/qt_toolkit.h"
#include "support/temp_folder.h"
#include "support/window_fixture.h"

namespace zbk::testing {

class WindowRig {
 public:
  // Works in a fresh temporary folder until the rig goes.
  explicit WindowRig(Drives& drives);
  ~WindowRig();
  WindowRig(const WindowRig&) = delete;
  WindowRig& operator=(const WindowRig&) = delete;

  // FCreat, the window shown and active, the focus in Li, every row shown.
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
  // A click on row `row` of a list's view.
  void ClickRow(ListView& view, int row);

  const WindowState& state() const { return fo.state(); }
  std::string YesCaption() const;
  QString Status() { return toolkit.window().pa().caption(); }

  TempFolder work;
  PosixFiles files;
  FixedHosts hosts;
  QtToolkit toolkit;
  TFo fo;
  std::vector<std::string> errors;  // error reports, Windows-1250
  // The refresh timer as Start() found it; Start() stops it, so that only
  // the ticks a test asks for happen.
  bool timer_was_running = false;
  int timer_interval = 0;

 private:
  std::string previous_folder_;
};

// The rows of a list box, in UTF-8.
std::vector<std::string> Rows(const ListBox& list);

}  // namespace zbk::testing
