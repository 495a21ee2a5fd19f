// The POSIX file operations on hostile input: names that would leave the
// working folder or change on the way to the system, entries that vanish
// during a listing, and "files" that are not regular files.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "platform/posix/posix_files.h"
#include "support/temp_folder.h"
#include "support/working_folder.h"

namespace zbk::testing {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Names(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  return names;
}

TEST(PosixCreate, RefusesNamesThatWouldNameAnotherFile) {
  TempFolder tmp;
  const ScopedWorkingFolder cwd(tmp.Folder("work"));
  PosixFiles files;
  EXPECT_EQ(files.Create(std::string_view("A\0B.txt", 7)), nullptr) << "a NUL would cut the name";
  EXPECT_EQ(files.Create("../up.txt"), nullptr);
  EXPECT_EQ(files.Create("x/y.txt"), nullptr);
  EXPECT_EQ(files.Create(""), nullptr);
  EXPECT_EQ(files.Create("."), nullptr);
  EXPECT_EQ(files.Create(".."), nullptr);
  EXPECT_TRUE(Names(tmp / "work").empty());
  EXPECT_EQ(Names(tmp.path()), std::vector<std::string>{"work"});

  EXPECT_NE(files.Create("..\\b:c.txt"), nullptr) << "only '/' separates folders here";
  EXPECT_EQ(Names(tmp / "work"), std::vector<std::string>{"..\\b:c.txt"});
}

class PosixOpen : public ::testing::Test {
 protected:
  PosixOpen() : cwd_(tmp_.path()) {}
  void ExpectRefused(const fs::path& file) {
    try {
      files_.Open(file.string(), "B.txt");
      ADD_FAILURE() << file << " was opened";
    } catch (const FileError& error) {
      EXPECT_EQ(error.kind(), FileError::Kind::kOpen);
    }
  }
  TempFolder tmp_;
  ScopedWorkingFolder cwd_;
  PosixFiles files_;
};

TEST_F(PosixOpen, FifoIsRefusedWithoutWaitingForAWriter) {
  ASSERT_EQ(mkfifo((tmp_ / "B.txt").c_str(), 0644), 0);
  ExpectRefused(tmp_ / "B.txt");
}

TEST_F(PosixOpen, DevicesAndFoldersAreRefused) {
  fs::create_symlink("/dev/zero", tmp_ / "zero.txt");
  ExpectRefused(tmp_ / "zero.txt");
  ExpectRefused(tmp_.Folder("folder.txt"));
  ExpectRefused(tmp_ / "missing.txt");
}

TEST_F(PosixOpen, RegularFileIsReadWithBlockingReads) {
  tmp_.Write("A.txt", "abc");
  auto file = files_.Open((tmp_ / "A.txt").string(), "A.txt");
  char buffer[8];
  EXPECT_EQ(file->Read(buffer, sizeof buffer), 3u);
  EXPECT_EQ(file->Read(buffer, sizeof buffer), 0u);
  file->Close();
}

TEST(PosixListing, EntriesDeletedDuringTheListingAreNotReported) {
  TempFolder tmp;
  for (int i = 0; i < 50; ++i) tmp.File("f/" + std::to_string(i) + ".zip", 100000);
  PosixFiles files;
  const auto listing = files.List((tmp / "f").string(), "*.*", ListingDetail::kWithSizes);
  ASSERT_NE(listing, nullptr);
  FolderEntry entry;
  std::vector<std::string> seen;
  while (listing->Next(entry)) {
    if (entry.folder) continue;  // "." and ".."
    if (seen.empty()) {
      // The first entry was read ahead with the next one; the rest go now.
      for (const auto& name : Names(tmp / "f")) fs::remove(tmp / "f" / name);
    }
    seen.push_back(entry.name);
    EXPECT_EQ(entry.size, 100000u);
  }
  EXPECT_LE(seen.size(), 2u);
}

}  // namespace
}  // namespace zbk::testing
