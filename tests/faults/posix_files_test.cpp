// What only the POSIX file operations do (what every Files does is in the
// contract tests): names that would change on the way to the system,
// entries that vanish during a listing, "files" that are not regular files.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iterator>
#include <thread>

#include "platform/posix/posix_files.h"
#include "platform/prefetching_files.h"
#include "support/faulty_files.h"
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

TEST(PosixCreate, OnlyANulOrASlashMakesANameUnfit) {
  TempFolder tmp;
  const ScopedWorkingFolder cwd(tmp.path());
  PosixFiles files;
  EXPECT_EQ(files.Create(std::string_view("A\0B.txt", 7)), nullptr) << "a NUL would cut the name";
  auto file = files.Create("..\\b:c.txt");
  ASSERT_NE(file, nullptr) << "only '/' separates folders here";
  EXPECT_TRUE(file->Close(Placement::kReplace));
  EXPECT_EQ(Names(tmp.path()), std::vector<std::string>{"..\\b:c.txt"});
}

// A reader that opened the old catalogue keeps reading it whole.
TEST(PosixCreate, AReaderOfTheOldCatalogueKeepsIt) {
  TempFolder tmp;
  const ScopedWorkingFolder cwd(tmp.path());
  tmp.Write("A.txt", "old\r\n");
  std::ifstream reader(tmp / "A.txt", std::ios::binary);
  PosixFiles files;
  auto file = files.Create("A.txt");
  file->Write(std::string(100000, '1'));
  EXPECT_TRUE(file->Close(Placement::kReplace));
  EXPECT_EQ(tmp.Read("A.txt"), std::string(100000, '1'));
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(reader), {}), "old\r\n");
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

TEST_F(PosixOpen, DevicesAreRefused) {
  fs::create_symlink("/dev/zero", tmp_ / "zero.txt");
  ExpectRefused(tmp_ / "zero.txt");
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
  PrefetchingFiles files(posix, 2, 4096);
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

// A listing that fails for its medium on a worker fails where the walk
// lists the folder.
TEST(PrefetchingFiles, AFailingListingFailsForTheWalk) {
  TempFolder tmp;
  tmp.File("a/x.zip", 100000);
  PosixFiles posix;
  FaultyFiles faulty(posix);
  faulty.faults.before_list = [](const NativePath&, int) { throw ListingFailed("a"); };
  PrefetchingFiles files(faulty, 1, 1 << 20);
  files.Prefetch({(tmp / "a").string()});
  EXPECT_THROW(files.List((tmp / "a").string(), "*.*", ListingDetail::kWithSizes), ListingFailed);
}

// The listings ahead never hold more than their bound together; a folder
// larger than it is listed when asked for, whole.
TEST(PrefetchingFiles, ListingsAheadHoldNoMoreThanTheirBound) {
  TempFolder tmp;
  std::vector<NativePath> folders;
  for (int k = 0; k < 6; ++k) {
    const int files = k == 1 ? 3000 : 300;
    for (int i = 0; i < files; ++i) tmp.File("f" + std::to_string(k) + "/" + std::to_string(i), 0);
    folders.push_back((tmp / ("f" + std::to_string(k))).string());
  }
  constexpr std::size_t kBound = 64 * 1024;
  PosixFiles posix;
  PrefetchingFiles files(posix, 2, kBound);
  files.Prefetch(folders);
  for (int i = 0; i < 500 && files.peak_held() == 0; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(100));  // and more ahead, if it may
  for (const NativePath& folder : folders) EXPECT_EQ(Listed(files, folder), Listed(posix, folder));
  EXPECT_GT(files.peak_held(), 0u);
  EXPECT_LE(files.peak_held(), kBound);
}

}  // namespace
}  // namespace zbk::testing
