#include "platform/posix/posix_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

#include "platform/encoding/cp1250.h"
#include "platform/read_ahead_listing.h"
#include "platform/wildcard.h"

namespace zbk {
namespace {

std::uint32_t ClampSize(off_t size) {
  if (size < 0) return 0;
  const auto bytes = static_cast<std::uint64_t>(size);
  return bytes >= 4294967295u ? 4294967295u : static_cast<std::uint32_t>(bytes);
}

class PosixListing : public ReadAheadListing {
 public:
  PosixListing(DIR* dir, std::string pattern, ListingDetail detail)
      : dir_(dir), pattern_(std::move(pattern)), detail_(detail) {}
  ~PosixListing() override { closedir(dir_); }
  PosixListing(const PosixListing&) = delete;
  PosixListing& operator=(const PosixListing&) = delete;

 private:
  bool Advance(FolderEntry& entry) override {
    for (;;) {
      errno = 0;
      const dirent* d = readdir(dir_);
      if (d == nullptr) return false;  // the end, or a read error: the listing ends
      const std::string_view native = d->d_name;
      std::string name = Utf8ToCp1250(native);
      if (!MatchesPattern(name, pattern_)) continue;
      bool folder = d->d_type == DT_DIR;
      const bool need_stat =
          d->d_type == DT_UNKNOWN || (detail_ == ListingDetail::kWithSizes && !folder);
      std::uint32_t size = 0;
      if (need_stat) {
        struct stat st {};
        if (fstatat(dirfd(dir_), d->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
          if (errno == ENOENT) continue;  // gone since the listing saw it
        } else {
          folder = S_ISDIR(st.st_mode);
          size = folder ? 0 : ClampSize(st.st_size);
        }
      }
      entry.name = std::move(name);
      entry.native.assign(native);
      entry.folder = folder;
      entry.size = size;
      return true;
    }
  }

  DIR* dir_;
  std::string pattern_;
  ListingDetail detail_;
};

// An open file descriptor with the name shown in error messages; closed
// when dropped, or by Close, which reports a failure.
class Descriptor {
 public:
  Descriptor(int fd, std::string shown) : fd_(fd), shown_(std::move(shown)) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;

  int fd() const { return fd_; }
  [[noreturn]] void Fail(FileError::Kind kind) const { throw FileError(kind, shown_); }
  void Close() {
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) Fail(FileError::Kind::kClose);
  }

 private:
  int fd_;
  std::string shown_;
};

class PosixOutputFile : public OutputFile {
 public:
  PosixOutputFile(int fd, std::string shown) : file_(fd, std::move(shown)) {}

  void Write(std::string_view bytes) override {
    while (!bytes.empty()) {
      const ssize_t n = ::write(file_.fd(), bytes.data(), bytes.size());
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) file_.Fail(FileError::Kind::kWrite);
      bytes.remove_prefix(static_cast<std::size_t>(n));
    }
  }
  void Close() override { file_.Close(); }

 private:
  Descriptor file_;
};

class PosixInputFile : public InputFile {
 public:
  PosixInputFile(int fd, std::string shown) : file_(fd, std::move(shown)) {}

  std::size_t Read(char* buffer, std::size_t size) override {
    for (;;) {
      const ssize_t n = ::read(file_.fd(), buffer, size);
      if (n >= 0) return static_cast<std::size_t>(n);
      if (errno != EINTR) file_.Fail(FileError::Kind::kRead);
    }
  }
  void Close() override { file_.Close(); }

 private:
  Descriptor file_;
};

}  // namespace

std::unique_ptr<FolderListing> PosixFiles::List(const NativePath& folder, std::string_view pattern,
                                                ListingDetail detail) {
  if (folder.empty()) return nullptr;
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return nullptr;
  auto listing = std::make_unique<PosixListing>(dir, std::string(pattern), detail);
  if (!listing->Prime()) return nullptr;
  return listing;
}

NativePath PosixFiles::Child(const NativePath& folder, const NativePath& name) {
  if (!folder.empty() && folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

std::unique_ptr<OutputFile> PosixFiles::Create(std::string_view name) {
  // A NUL would end the name early: the file would get another name.
  const std::string native = Cp1250ToUtf8(name);
  if (native.empty() || native.find_first_of(std::string_view("/\0", 2)) != std::string::npos) {
    return nullptr;
  }
  const int fd = ::open(native.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return nullptr;
  return std::make_unique<PosixOutputFile>(fd, std::string(name));
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
