// Makes a folder the process's working folder for as long as it lives; the
// POSIX file operations write and search catalogue files there.
#pragma once

#include <filesystem>

namespace zbk::testing {

class ScopedWorkingFolder {
 public:
  explicit ScopedWorkingFolder(const std::filesystem::path& folder)
      : before_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
  }
  ~ScopedWorkingFolder() { std::filesystem::current_path(before_); }
  ScopedWorkingFolder(const ScopedWorkingFolder&) = delete;
  ScopedWorkingFolder& operator=(const ScopedWorkingFolder&) = delete;

 private:
  std::filesystem::path before_;
};

}  // namespace zbk::testing
