// The POSIX file operations on hostile input: names that would leave the
// working folder or change on the way to the system, entries that vanish
// during a listing, and "files" that are not regular files.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "platform/posix/posix_files.h"
#include "platform/prefetching_files.h"
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

  auto file = files.Create("..\\b:c.txt");
  ASSERT_NE(file, nullptr) << "only '/' separates folders here";
  EXPECT_TRUE(file->Close(Placement::kReplace));
  EXPECT_EQ(Names(tmp / "work"), std::vector<std::string>{"..\\b:c.txt"});
}

std::string Slurp(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Two programs cataloguing under one name each write a temporary file of
// their own; the one that closes last wins, and the catalogue is always one
// whole file. A reader that opened the old one keeps reading it whole. A
// temporary file that nobody writes any more (its program was killed) goes
// with the next run of that name.
TEST(PosixCreate, RunsOfOneNameNeverMixAndLeftoversGo) {
  TempFolder tmp;
  const ScopedWorkingFolder cwd(tmp.path());
  tmp.Write("A.txt", "old\r\n");
  tmp.Write(".A.txt.0badf00d.tmp", "left by a killed run");
  tmp.Write(".B.txt.0badf00d.tmp", "another name's");
  PosixFiles files;
  auto first = files.Create("A.txt");
  auto second = files.Create("A.txt");
  ASSERT_TRUE(first && second);
  EXPECT_FALSE(fs::exists(tmp / ".A.txt.0badf00d.tmp"));
  EXPECT_TRUE(fs::exists(tmp / ".B.txt.0badf00d.tmp"));
  EXPECT_EQ(Names(tmp.path()).size(), 4u) << "two temporary files, each kept by its writer";

  std::ifstream reader(tmp / "A.txt", std::ios::binary);
  second->Write(std::string(100000, '2'));
  first->Write(std::string(100000, '1'));
  EXPECT_EQ(Slurp(tmp / "A.txt"), "old\r\n");
  EXPECT_TRUE(second->Close(Placement::kReplace));
  EXPECT_EQ(Slurp(tmp / "A.txt"), std::string(100000, '2'));
  EXPECT_TRUE(first->Close(Placement::kReplace));
  EXPECT_EQ(Slurp(tmp / "A.txt"), std::string(100000, '1'));
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(reader), {}), "old\r\n");

  // A partial catalogue is kept only where there was none.
  auto partial = files.Create("A.txt");
  partial->Write("part\r\n");
  EXPECT_FALSE(partial->Close(Placement::kIfNew));
  auto fresh = files.Create("C.txt");
  fresh->Write("part\r\n");
  EXPECT_TRUE(fresh->Close(Placement::kIfNew));
  auto dropped = files.Create("C.txt");
  dropped->Write("aborted\r\n");
  dropped.reset();
  EXPECT_EQ(Slurp(tmp / "C.txt"), "part\r\n");
  EXPECT_EQ(Names(tmp.path()).size(), 3u) << "nothing left behind";
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
    if (entry.folder()) continue;  // "." and ".."
    if (seen.empty()) {
      // The first entry was read ahead with the next one; the rest go now.
      for (const auto& name : Names(tmp / "f")) fs::remove(tmp / "f" / name);
    }
    seen.push_back(entry.name);
    EXPECT_EQ(entry.size, 100000u);
  }
  EXPECT_LE(seen.size(), 2u);
}

std::vector<std::string> Listed(Files& files, const NativePath& folder) {
  std::vector<std::string> names;
  const auto listing = files.List(folder, "*.*", ListingDetail::kWithSizes);
  if (!listing) return {"(none)"};
  FolderEntry entry;
  while (listing->Next(entry)) {
    names.push_back(entry.name + (entry.folder() ? "/" : " " + std::to_string(entry.size)));
  }
  std::sort(names.begin(), names.end());
  return names;
}

// Folders listed ahead of need give what listing them then gives, in
// whatever order they are asked for, named or not; a folder that cannot be
// listed stays so.
TEST(PrefetchingFiles, ListingsAheadAreTheListingsThemselves) {
  TempFolder tmp;
  for (const char* file : {"a/x.zip", "a/y.zip", "b/z.zip", "c/d/w.zip"}) tmp.File(file, 100000);
  PosixFiles posix;
  PrefetchingFiles files(posix, 2, 2);
  const auto path = [&](const char* name) { return (tmp / name).string(); };
  files.Prefetch({path("a"), path("b"), path("c"), path("missing")});
  files.Prefetch({path("c/d")});
  for (const char* name : {"c/d", "b", "a", "missing", "c", "a"}) {
    EXPECT_EQ(Listed(files, path(name)), Listed(posix, path(name))) << name;
  }
  EXPECT_EQ(Listed(files, path("missing")), std::vector<std::string>{"(none)"});
  files.Prefetch({path("a"), path("b")});
  files.Prefetch({});  // forgotten
  EXPECT_EQ(Listed(files, path("b")), Listed(posix, path("b")));
}

}  // namespace
}  // namespace zbk::testing
