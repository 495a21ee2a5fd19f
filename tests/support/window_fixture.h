// The real main window on the in-memory toolkit, with a drive table and
// fixed host names.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "platform/drivetable/drive_table.h"
#include "platform/memory/memory_toolkit.h"
#include "support/system_files.h"

namespace zbk::testing {

class FixedHosts : public Hosts {
 public:
  std::string ComputerName() override { return computer; }
  std::string UserName() override { return user; }
  std::string computer = "PC1";
  std::string user = "jan";
};

// The window over `files`; error reports are collected instead of shown.
struct MemoryWindow {
  explicit MemoryWindow(Files& files, int screen_width = 1024, int screen_height = 768)
      : toolkit(screen_width, screen_height), window(Os{drives, files, hosts}, toolkit.widgets()) {
    toolkit.SetErrorSink([this](std::string_view message) { errors.emplace_back(message); });
  }
  void Start() { toolkit.Start(window); }
  const WindowState& state() const { return window.state(); }
  std::string status() { return toolkit.pa().caption(); }

  DriveTable drives;
  FixedHosts hosts;
  MemoryToolkit toolkit;
  TFo window;
  std::vector<std::string> errors;
};

// Over the machine's file system.
struct WithSystemFiles {
  SystemFiles files;
};
struct WindowFixture : WithSystemFiles, MemoryWindow {
  explicit WindowFixture(int screen_width = 1024, int screen_height = 768)
      : MemoryWindow(files, screen_width, screen_height) {}
};

}  // namespace zbk::testing
