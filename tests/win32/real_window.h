// The real window under test: the core's TFo on the Win32 controls, a drive
// K whose root is a folder of the Wine prefix, and the working folder in a
// temporary folder. Keys are posted to the focused control and run through
// the window's own message processing.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "platform/drivetable/drive_table.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_toolkit.h"
#include "support/temp_folder.h"
#include "support/window_fixture.h"
#include "win32/wine_support.h"

namespace zbk::testing {

class RealWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Lets the window handle everything waiting.
  void Pump() { window_->ProcessMessages(); }
  // Processes messages until the window has closed (or a second has passed).
  bool PumpUntilClosed();
  // A key pressed while the focus is where it is.
  void Post(WPARAM key);
  void Press(WPARAM key) {
    Post(key);
    Pump();
  }
  // The key pressed with Ctrl held.
  void PressWithCtrl(WPARAM key);
  void Tick();

  Rect Bounds(WidgetId id) const;
  std::string YesCaption() { return window_->yes().Caption(); }
  std::string Status() { return window_->pa().Caption(); }
  std::string Catalogue() const { return ReadBytes(work_ / L"ARCHIWUM.txt"); }

  TempFolder temp_;
  std::filesystem::path disk_;
  std::filesystem::path work_;
  std::unique_ptr<WorkingFolderScope> in_work_;
  DriveTable drives_;
  Win32Files files_;
  FixedHosts hosts_;
  std::unique_ptr<Win32Toolkit> window_;
  std::unique_ptr<TFo> fo_;
  std::vector<std::string> errors_;
};

}  // namespace zbk::testing
