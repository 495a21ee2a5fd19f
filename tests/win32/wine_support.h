// Helpers of the tests of the Windows layer: files made through the wide
// calls (names outside any ANSI code page included), the working folder
// for the length of a test, and fixed host names.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/os.h"

namespace zbk::testing {

// A file of `size` bytes (sparse where the file system allows), its folders
// created.
void MakeFile(const std::filesystem::path& file, std::uint64_t size);
void WriteBytes(const std::filesystem::path& file, std::string_view bytes);
std::string ReadBytes(const std::filesystem::path& file);

// Makes `folder` the process's working folder until destroyed.
class WorkingFolderScope {
 public:
  explicit WorkingFolderScope(const std::filesystem::path& folder);
  ~WorkingFolderScope();
  WorkingFolderScope(const WorkingFolderScope&) = delete;
  WorkingFolderScope& operator=(const WorkingFolderScope&) = delete;

 private:
  std::filesystem::path before_;
};

class FixedHosts : public Hosts {
 public:
  std::string ComputerName() override { return "PC1"; }
  std::string UserName() override { return "jan"; }
};

}  // namespace zbk::testing
