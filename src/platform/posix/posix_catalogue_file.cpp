#include "platform/posix/posix_catalogue_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <utility>

#include "platform/encoding/cp1250.h"
#include "platform/temporary_file.h"

namespace zbk {
namespace {

bool SameFile(int fd, const std::string& path) {
  struct stat open_file {};
  struct stat named {};
  return fstat(fd, &open_file) == 0 && lstat(path.c_str(), &named) == 0 &&
         open_file.st_dev == named.st_dev && open_file.st_ino == named.st_ino;
}

// A temporary file of `native` that no running program holds locked was left
// by a run that died: it goes.
void RemoveLeftovers(const std::string& native) {
  DIR* dir = opendir(".");
  if (dir == nullptr) return;
  while (const dirent* d = readdir(dir)) {
    if (!IsTemporaryOf(d->d_name, native)) continue;
    const int fd = openat(dirfd(dir), d->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat st {};
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && flock(fd, LOCK_EX | LOCK_NB) == 0) {
      unlinkat(dirfd(dir), d->d_name, 0);
    }
    ::close(fd);
  }
  closedir(dir);
}

// Renames `from` to `to` unless `to` exists: kTaken when it does. Never
// checks first and renames after: the check and the rename are one step.
enum class IfNew { kDone, kTaken, kFailed };
IfNew RenameIfNew(const std::string& from, const std::string& to) {
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
    return IfNew::kDone;
  }
  if (errno == EEXIST) return IfNew::kTaken;
  if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) return IfNew::kFailed;
  // A file system without that kind of rename: a hard link fails on an
  // existing name just as well.
  if (link(from.c_str(), to.c_str()) == 0) {
    unlink(from.c_str());
    return IfNew::kDone;
  }
  if (errno == EEXIST) return IfNew::kTaken;
  // Nor links: the name is taken first, created exclusively, and only then
  // replaced; where even that fails the run's file is dropped.
  const int fd = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) return errno == EEXIST ? IfNew::kTaken : IfNew::kFailed;
  ::close(fd);
  if (rename(from.c_str(), to.c_str()) == 0) return IfNew::kDone;
  unlink(to.c_str());
  return IfNew::kFailed;
}

// The rename is on the disk only once the folder is.
void SyncWorkingFolder() {
  const int fd = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);  // some file systems cannot; the data itself is on the disk
  ::close(fd);
}

class PosixCatalogueFile : public TemporaryOutputFile {
 public:
  PosixCatalogueFile(int fd, std::string temporary, std::string native, std::string shown)
      : TemporaryOutputFile(std::move(shown)),
        fd_(fd),
        temporary_(std::move(temporary)),
        native_(std::move(native)) {}
  ~PosixCatalogueFile() override { Drop(); }

 private:
  std::size_t WriteSome(std::string_view bytes) override {
    for (;;) {
      const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
      if (n >= 0 || errno != EINTR) return n > 0 ? static_cast<std::size_t>(n) : 0;
    }
  }
  // The file stays open, and so locked, until it has its name: until then
  // no other run can take it for a dead run's leftover.
  Placed Place(Placement placement) override {
    if (fsync(fd_) != 0) return Placed::kFailed;
    Placed placed = Placed::kDone;
    if (placement == Placement::kReplace) {
      if (rename(temporary_.c_str(), native_.c_str()) != 0) placed = Placed::kFailed;
    } else {
      const IfNew result = RenameIfNew(temporary_, native_);
      placed = result == IfNew::kDone    ? Placed::kDone
               : result == IfNew::kTaken ? Placed::kTaken
                                         : Placed::kFailed;
    }
    if (placed != Placed::kDone) return placed;
    temporary_.clear();  // it has its name now: nothing to remove
    SyncWorkingFolder();
    return ::close(std::exchange(fd_, -1)) == 0 ? Placed::kDone : Placed::kFailed;
  }
  void Remove() override {
    // Removed while still locked: no other run is misled by it.
    if (!temporary_.empty()) unlink(temporary_.c_str());
    if (fd_ >= 0) ::close(std::exchange(fd_, -1));
  }

  int fd_;
  std::string temporary_;
  std::string native_;
};

}  // namespace

std::unique_ptr<OutputFile> CreatePosixCatalogue(std::string_view name) {
  // A NUL would end the name early: the file would get another name.
  const std::string native = Cp1250ToUtf8(name);
  if (native.empty() || native.find_first_of(std::string_view("/\0", 2)) != std::string::npos) {
    return nullptr;
  }
  // Only a file or a link may be replaced: never a folder, device or FIFO.
  struct stat st {};
  if (lstat(native.c_str(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISLNK(st.st_mode)) {
    return nullptr;
  }
  RemoveLeftovers(native);
  return CreateTemporary(native, [&](const std::string& temporary, bool& taken) {
    std::unique_ptr<TemporaryOutputFile> file;
    const int fd =
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    taken = fd < 0 && errno == EEXIST;
    if (fd < 0) return file;
    // Locked, it is safe from the clean-up of another run of this name;
    // that clean-up may have taken it just before the lock.
    if (flock(fd, LOCK_EX | LOCK_NB) == 0 && SameFile(fd, temporary)) {
      file = std::make_unique<PosixCatalogueFile>(fd, temporary, native, std::string(name));
    } else {
      ::close(fd);
      taken = true;
    }
    return file;
  });
}

}  // namespace zbk
