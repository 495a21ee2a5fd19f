// The order in which a POSIX catalogue file reaches the disk, seen from the
// system calls themselves (this test's program wraps them at link time):
// the data is written and flushed, then the file is renamed while still
// open and locked, then the folder is flushed, and only then is it closed.
// A flush left out or moved after the rename, or a close before it, fails
// here; so does the race it guards against, made certain: another run
// starting while the first is between its last write and its rename.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/posix/posix_files.h"
#include "support/temp_folder.h"
#include "support/working_folder.h"

namespace {

std::vector<std::string> events;
std::string watched;                  // the catalogue whose calls are recorded
std::function<void()> before_rename;  // runs once, just before its rename

std::string PathOf(int fd) {
  char link[64];
  char path[4096];
  std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
  const ssize_t n = readlink(link, path, sizeof path - 1);
  return n > 0 ? std::string(path, static_cast<std::size_t>(n)) : std::string();
}

// The catalogue, under its temporary name or its own.
bool Watched(int fd) {
  if (watched.empty()) return false;
  const std::string path = PathOf(fd);
  const std::string name = path.substr(path.rfind('/') + 1);
  return name == watched || name.starts_with("." + watched + ".");
}

bool IsFolder(int fd) {
  struct stat st {};
  return fstat(fd, &st) == 0 && S_ISDIR(st.st_mode);
}

void Renaming(const char* to) {
  if (watched.empty() || std::string(to) != watched) return;
  events.emplace_back("rename");
  if (before_rename) std::exchange(before_rename, nullptr)();
}

}  // namespace

extern "C" {
ssize_t __real_write(int fd, const void* buffer, size_t size);
int __real_fsync(int fd);
int __real_close(int fd);
int __real_rename(const char* from, const char* to);
int __real_renameat2(int from_fd, const char* from, int to_fd, const char* to, unsigned flags);

ssize_t __wrap_write(int fd, const void* buffer, size_t size) {
  if (Watched(fd) && (events.empty() || events.back() != "write")) events.emplace_back("write");
  return __real_write(fd, buffer, size);
}
int __wrap_fsync(int fd) {
  if (!watched.empty() && IsFolder(fd)) {
    events.emplace_back("folder flush");
  } else if (Watched(fd)) {
    events.emplace_back("flush");
  }
  return __real_fsync(fd);
}
int __wrap_close(int fd) {
  if (Watched(fd) && !IsFolder(fd)) events.emplace_back("close");
  return __real_close(fd);
}
int __wrap_rename(const char* from, const char* to) {
  Renaming(to);
  return __real_rename(from, to);
}
int __wrap_renameat2(int from_fd, const char* from, int to_fd, const char* to, unsigned flags) {
  Renaming(to);
  return __real_renameat2(from_fd, from, to_fd, to, flags);
}
}

namespace zbk::testing {
namespace {

struct CloseOrder : ::testing::Test {
  CloseOrder() : cwd(tmp.path()) {}
  ~CloseOrder() override {
    watched.clear();
    before_rename = nullptr;
  }

  // Writes a catalogue named `name` and closes it as `placement` says.
  bool Catalogue(const std::string& name, Placement placement) {
    events.clear();
    watched = name;
    auto file = files.Create(name);
    if (file == nullptr) return false;
    file->Write("        100.000  a.bin\r\n");
    const bool placed = file->Close(placement);
    watched.clear();
    return placed;
  }

  TempFolder tmp;
  ScopedWorkingFolder cwd;
  PosixFiles files;
};

TEST_F(CloseOrder, FlushedThenRenamedWhileOpenThenTheFolderFlushedThenClosed) {
  const std::vector<std::string> order = {"write", "flush", "rename", "folder flush", "close"};
  tmp.Write("A.txt", "old\r\n");
  EXPECT_TRUE(Catalogue("A.txt", Placement::kReplace));
  EXPECT_EQ(events, order);
  EXPECT_TRUE(Catalogue("B.txt", Placement::kIfNew));
  EXPECT_EQ(events, order);
  EXPECT_EQ(tmp.Read("B.txt"), "        100.000  a.bin\r\n");
}

TEST_F(CloseOrder, AnotherRunStartingJustBeforeTheRenameLeavesTheCatalogueAlone) {
  tmp.Write("A.txt", "old\r\n");
  PosixFiles other;
  before_rename = [&other] { other.Create("A.txt"); };  // its clean-up, then dropped
  EXPECT_TRUE(Catalogue("A.txt", Placement::kReplace));
  EXPECT_EQ(tmp.Read("A.txt"), "        100.000  a.bin\r\n");
  std::size_t left = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(tmp.path())) ++left;
  EXPECT_EQ(left, 1u) << "no temporary file is left";
}

}  // namespace
}  // namespace zbk::testing
