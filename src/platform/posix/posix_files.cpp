#include "platform/posix/posix_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <utility>

#include "platform/encoding/cp1250.h"
#include "platform/posix/posix_catalogue_file.h"
#include "platform/read_ahead_listing.h"
#include "platform/wildcard.h"

namespace zbk {
namespace {

std::uint32_t ClampSize(off_t size) {
  return size < 0 ? 0 : ClampedSize(static_cast<std::uint64_t>(size));
}

// The name as the program shows it: Windows-1250, and a "\\" inside it
// (an ordinary character here) as "?", so that it never reads as a folder
// separator.
void ShowName(std::string_view native, std::string& name) {
  Utf8ToCp1250(native, name);
  for (char& c : name) {
    if (c == '\\') c = '?';
  }
}

// What a link leads to: a folder or nothing makes it a link to be skipped.
EntryKind KindOfLink(int folder_fd, const char* name) {
  struct stat target {};
  if (fstatat(folder_fd, name, &target, 0) != 0 || S_ISDIR(target.st_mode)) {
    return EntryKind::kLink;
  }
  return EntryKind::kFile;
}

// Whether a failed listing leaves out files that are there: anything but a
// folder the system refuses, one gone since its parent was listed, and one
// that is no folder (any more), a link included.
bool MediumFailed(int error) {
  return error != EACCES && error != EPERM && error != ENOENT && error != ENOTDIR && error != ELOOP;
}

[[noreturn]] void FailListing(const NativePath& folder) {
  throw ListingFailed(Utf8ToCp1250(folder));
}

// A path as a key of the held folders: without a "/" at its end.
NativePath KeyOf(const NativePath& folder) {
  NativePath key = folder;
  while (key.size() > 1 && key.back() == '/') key.pop_back();
  return key;
}

class PosixListing : public ReadAheadListing {
 public:
  PosixListing(DIR* dir, NativePath folder, std::string pattern, ListingDetail detail)
      : dir_(dir), folder_(std::move(folder)), pattern_(std::move(pattern)), detail_(detail) {}
  ~PosixListing() override { closedir(dir_); }
  PosixListing(const PosixListing&) = delete;
  PosixListing& operator=(const PosixListing&) = delete;

 private:
  bool Advance(FolderEntry& entry) override {
    for (;;) {
      errno = 0;
      const dirent* d = readdir(dir_);
      if (d == nullptr) {
        if (errno != 0) FailListing(folder_);  // not the end: a read error
        return false;
      }
      const std::string_view native = d->d_name;
      ShowName(native, entry.name);
      if (!MatchesPattern(entry.name, pattern_)) continue;
      EntryKind kind = d->d_type == DT_DIR ? EntryKind::kFolder : EntryKind::kFile;
      const bool need_stat = d->d_type == DT_UNKNOWN || d->d_type == DT_LNK ||
                             (detail_ == ListingDetail::kWithSizes && kind == EntryKind::kFile);
      std::uint32_t size = 0;
      if (need_stat) {
        struct stat st {};
        if (fstatat(dirfd(dir_), d->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
          if (errno == ENOENT) continue;  // gone since the listing saw it
          if (MediumFailed(errno)) FailListing(folder_);
        } else if (S_ISLNK(st.st_mode)) {
          kind = KindOfLink(dirfd(dir_), d->d_name);
          size = kind == EntryKind::kFile ? ClampSize(st.st_size) : 0;
        } else {
          kind = S_ISDIR(st.st_mode) ? EntryKind::kFolder : EntryKind::kFile;
          size = kind == EntryKind::kFile ? ClampSize(st.st_size) : 0;
        }
      }
      entry.native.assign(native);
      entry.kind = kind;
      entry.size = size;
      return true;
    }
  }

  DIR* dir_;
  NativePath folder_;
  std::string pattern_;
  ListingDetail detail_;
};

// Closed when dropped, or by Close, which reports a failure.
class PosixInputFile : public InputFile {
 public:
  PosixInputFile(int fd, std::string shown) : fd_(fd), shown_(std::move(shown)) {}
  ~PosixInputFile() override {
    if (fd_ >= 0) ::close(fd_);
  }
  PosixInputFile(const PosixInputFile&) = delete;
  PosixInputFile& operator=(const PosixInputFile&) = delete;

  std::size_t Read(char* buffer, std::size_t size) override {
    for (;;) {
      const ssize_t n = ::read(fd_, buffer, size);
      if (n >= 0) return static_cast<std::size_t>(n);
      if (errno != EINTR) throw FileError(FileError::Kind::kRead, shown_);
    }
  }
  void Close() override {
    if (::close(std::exchange(fd_, -1)) != 0) throw FileError(FileError::Kind::kClose, shown_);
  }

 private:
  int fd_;
  std::string shown_;
};

}  // namespace

// A held folder, closed when the last user of it lets it go.
struct PosixFiles::Held {
  explicit Held(int fd_in) : fd(fd_in) {}
  ~Held() { ::close(fd); }
  Held(const Held&) = delete;
  Held& operator=(const Held&) = delete;
  const int fd;
};

// What Hold gives: dropped, the folder is held no longer.
struct PosixFiles::Release {
  PosixFiles& files;
  NativePath key;
  std::shared_ptr<Held> held;
  ~Release() {
    const std::lock_guard lock(files.mutex_);
    const auto it = files.held_.find(key);
    if (it != files.held_.end() && it->second == held) files.held_.erase(it);
  }
};

int PosixFiles::OpenFolder(const NativePath& folder) {
  // The nearest held folder above it.
  std::shared_ptr<Held> above;
  std::size_t below = 0;  // where the path below it begins
  {
    const std::lock_guard lock(mutex_);
    for (std::size_t slash = folder.rfind('/'); slash != NativePath::npos && !held_.empty();
         slash = slash == 0 ? NativePath::npos : folder.rfind('/', slash - 1)) {
      const auto it = held_.find(slash == 0 ? NativePath("/") : folder.substr(0, slash));
      if (it != held_.end()) {
        above = it->second;
        below = slash + 1;
        break;
      }
    }
  }
  if (!above) return ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  // Each folder below it in turn, relative to the one before; the held
  // folder stays open meanwhile, and only the folders opened here close.
  int fd = above->fd;
  std::string_view rest = std::string_view(folder).substr(below);
  while (fd >= 0 && !rest.empty()) {
    const std::size_t slash = std::min(rest.find('/'), rest.size());
    const std::string name(rest.substr(0, slash));
    rest.remove_prefix(std::min(slash + 1, rest.size()));
    if (name.empty()) continue;
    const int next = openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    const int error = errno;
    if (fd != above->fd) ::close(fd);
    fd = next;
    errno = error;
  }
  // The caller owns what it gets: the held folder itself only as a copy.
  return fd == above->fd ? fcntl(fd, F_DUPFD_CLOEXEC, 0) : fd;
}

std::unique_ptr<FolderListing> PosixFiles::List(const NativePath& folder, std::string_view pattern,
                                                ListingDetail detail) {
  if (folder.empty()) return nullptr;
  const int fd = OpenFolder(folder);
  if (fd < 0) {
    if (MediumFailed(errno)) FailListing(folder);
    return nullptr;
  }
  DIR* dir = fdopendir(fd);
  if (dir == nullptr) {
    const int error = errno;
    ::close(fd);
    if (MediumFailed(error)) FailListing(folder);
    return nullptr;
  }
  auto listing = std::make_unique<PosixListing>(dir, folder, std::string(pattern), detail);
  if (!listing->Prime()) return nullptr;
  return listing;
}

std::shared_ptr<void> PosixFiles::Hold(const NativePath& folder) {
  const int fd = folder.empty() ? -1 : OpenFolder(folder);
  if (fd < 0) return nullptr;
  auto release =
      std::make_shared<Release>(Release{*this, KeyOf(folder), std::make_shared<Held>(fd)});
  const std::lock_guard lock(mutex_);
  held_[release->key] = release->held;
  return release;
}

NativePath PosixFiles::Child(const NativePath& folder, const NativePath& name) {
  if (!folder.empty() && folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

std::unique_ptr<OutputFile> PosixFiles::Create(std::string_view name) {
  return CreatePosixCatalogue(name);
}

std::unique_ptr<InputFile> PosixFiles::Open(const NativePath& file, std::string_view shown) {
  // Only a regular file is read: a FIFO would block the open (hence
  // O_NONBLOCK, dropped again below) and a device may never end.
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) throw FileError(FileError::Kind::kOpen, shown);
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || fcntl(fd, F_SETFL, 0) != 0) {
    ::close(fd);
    throw FileError(FileError::Kind::kOpen, shown);
  }
  return std::make_unique<PosixInputFile>(fd, std::string(shown));
}

}  // namespace zbk
