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
// The pixel density the tests run at: 96, or what ZBK_TEST_DPI says when a
// test has started this program again on a denser screen (RunAtDensity).
int ExpectedDpi();

// Runs the tests `filter` names (a --gtest_filter) in a new run of this
// program, with Wine's pixel density set to `dpi` (LogPixels of the Wine
// prefix, which each program reads as it starts) for as long as it runs;
// the density is restored after. Its output goes to this program's.
struct DensityRun {
  int exit_code = -1;
  int tests = 0;         // how many tests ran
  bool skipped = false;  // one of them skipped itself
};
// With `desktop` ("1366x768"), on a Wine desktop of its own of that size
// (explorer /desktop), whose screen ExpectedScreen() then names.
DensityRun RunAtDensity(int dpi, const std::wstring& filter, const std::wstring& desktop = L"");
// The desktop size a test was started on by RunAtDensity, or "" when none.
std::wstring ExpectedScreen();

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
