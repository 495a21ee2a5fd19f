// Helpers of the tests of the Windows layer: files made through the wide
// calls (names outside any ANSI code page included), and the working folder
// for the length of a test.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

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

}  // namespace zbk::testing
