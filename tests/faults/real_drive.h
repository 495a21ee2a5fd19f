// Catalogue runs and searches in process over real folders: drive C is a
// temporary folder, the working folder another one beside it, the files are
// the POSIX ones behind a FaultyFiles, so a test can make any operation fail.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/posix/posix_files.h"
#include "support/faulty_files.h"
#include "support/temp_folder.h"
#include "support/window_rig.h"
#include "support/working_folder.h"

namespace zbk::testing {

class RealDrive : public ::testing::Test {
 protected:
  RealDrive();

  // Catalogues drive C (label DYSK); expects the run to finish and gives the
  // lines of DYSK.txt, which the result list must begin with.
  std::vector<std::string> Catalogue();
  // The lines of a file of the working folder, without their CR LF.
  std::vector<std::string> CatalogueLines(std::string_view name) const;
  // The native path of a folder or file of drive C.
  NativePath OnDisk(std::string_view relative) const { return (tmp_ / "disk" / relative).string(); }

  TempFolder tmp_;
  std::filesystem::path disk_;
  std::filesystem::path work_;
  ScopedWorkingFolder cwd_;
  PosixFiles posix_;
  FaultyFiles files_;
  WindowRig rig_;
};

// After a command ended with an error report: Yes stays disabled and the
// stop flag set; the first Esc only clears the flag and gives Yes back, the
// second closes the window. The window's other rules after an error are its
// contract (tests/contract) and a fault scenario (headless_faults_test.cpp).
void ExpectAbortedButUsable(WindowRig& rig);

// A file's bytes and modification time, to show that a failing command left
// it alone.
struct FileStamp {
  std::string bytes;
  std::filesystem::file_time_type time;
  bool operator==(const FileStamp&) const = default;
};
FileStamp Stamp(const std::filesystem::path& file);
// Writes a file and dates it back, so that a rewrite would show.
void WriteOldFile(const std::filesystem::path& file, std::string_view bytes);

}  // namespace zbk::testing
