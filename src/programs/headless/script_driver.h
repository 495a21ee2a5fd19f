// Drives the real core with the in-memory toolkit from a script, one command
// a line (UTF-8). See the README for the language.
#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "platform/drivetable/drive_table.h"
#include "platform/memory/memory_toolkit.h"
#include "platform/posix/posix_files.h"
#include "platform/posix/posix_hosts.h"
#include "platform/prefetching_files.h"

namespace zbk {

class ScriptError : public std::runtime_error {
 public:
  ScriptError(int line, const std::string& what)
      : std::runtime_error("script error: LINE " + std::to_string(line) + ": " + what) {}
};

// A text for the output: UTF-8, every control byte written as \xHH.
std::string Printable(std::string_view cp1250);

class ScriptDriver {
 public:
  explicit ScriptDriver(std::ostream& out);
  ~ScriptDriver();

  // Runs one line of the script; throws ScriptError for a command that is
  // unknown, malformed or out of place.
  void RunLine(std::string_view line, int number);

 private:
  class NamedHosts;
  struct Deferred {
    int due;  // the number of the processing it runs in
    std::string command;
    int line;
  };

  void Run(std::string_view command, int number);
  void Declare(std::string_view args, int number);
  void DeclareSerial(std::string_view args, int number);
  void Show();
  void Rows(std::string_view which, int number);
  void Select(std::string_view args, int number);
  void Start(int number);
  void RequireStarted(int number) const;
  void OnProcess(int processing);

  std::ostream& out_;
  DriveTable drives_;
  PosixFiles posix_files_;
  PrefetchingFiles files_{posix_files_};
  std::unique_ptr<NamedHosts> hosts_;
  int screen_width_ = 1024;
  std::unique_ptr<MemoryToolkit> toolkit_;
  std::unique_ptr<TFo> window_;
  std::vector<Deferred> deferred_;
};

}  // namespace zbk
