// The real main window in process: the in-memory toolkit, a table of drives
// and a Files of the test's choosing, with the user's usual moves as calls.
// Error reports are collected instead of shown.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/main_window.h"
#include "platform/drivetable/drive_table.h"
#include "platform/memory/memory_toolkit.h"
#include "support/window_fixture.h"

namespace zbk::testing {

class WindowRig {
 public:
  explicit WindowRig(Files& files);

  DriveTable& drives() { return window_.drives; }
  MemoryToolkit& toolkit() { return window_.toolkit; }
  const WindowState& state() const { return window_.state(); }

  // Declares drive `letter` as a fixed drive with its root at `root`.
  void FixedDrive(char letter, const NativePath& root, std::string_view label);

  // The first tick fills the drive list.
  void Start();
  void Tick(int count = 1);
  // Selects the drive's row, moves the focus to the drive list and presses
  // the action button.
  void Catalogue(char letter);
  // Types the query (Windows-1250), moves the focus to the query field and
  // presses the action button.
  void Search(std::string_view query);

  std::vector<std::string> rows() { return toolkit().l().rows(); }
  const std::string& status() { return toolkit().pa().caption(); }
  std::string yes() { return toolkit().yes().Caption(); }
  bool yes_enabled() { return toolkit().yes().Enabled(); }
  int busy() const { return state().BusyFlag; }
  const std::vector<std::string>& errors() const { return window_.errors; }

 private:
  MemoryWindow window_;
};

}  // namespace zbk::testing
