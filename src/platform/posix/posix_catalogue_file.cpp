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

// Renames `from` to `to` unless `to` exists. False when it exists.
bool RenameIfNew(const std::string& from, const std::string& to, bool& failed) {
  failed = false;
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno == EEXIST) return false;
  if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) {
    failed = true;
    return false;
  }
  // A file system without that kind of rename: a hard link fails on an
  // existing name just as well.
  if (link(from.c_str(), to.c_str()) == 0) {
    unlink(from.c_str());
    return true;
  }
  if (errno == EEXIST) return false;
  struct stat st {};
  if (lstat(to.c_str(), &st) == 0) return false;
  failed = rename(from.c_str(), to.c_str()) != 0;
  return !failed;
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
  Placed Place(Placement placement) override {
    const bool synced = fsync(fd_) == 0;
    if (::close(std::exchange(fd_, -1)) != 0 || !synced) return Placed::kFailed;
    bool failed = false;
    bool placed = true;
    if (placement == Placement::kReplace) {
      failed = rename(temporary_.c_str(), native_.c_str()) != 0;
    } else {
      placed = RenameIfNew(temporary_, native_, failed);
    }
    if (failed) return Placed::kFailed;
    if (!placed) return Placed::kTaken;
    SyncWorkingFolder();
    return Placed::kDone;
  }
  void Remove() override {
    if (fd_ >= 0) ::close(std::exchange(fd_, -1));
    unlink(temporary_.c_str());
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
