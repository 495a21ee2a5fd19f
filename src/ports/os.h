// The operating-system services the program uses, as three interfaces: the
// drives A to Z, the file system (folder listings and text files) and the
// names of the computer and of its user. The core is written only against
// these; each platform supplies its own implementation, and tests use real
// folders behind a table of drives.
//
// Texts crossing these interfaces are Windows-1250 bytes, except NativePath:
// the platform's own name of a folder or file (UTF-8 bytes on Linux), which
// the core never interprets, only passes back.
//
// An answer that may be "none" (a drive without a medium, a folder that
// cannot be listed, a catalogue that cannot be created) says so in its
// result: an empty std::optional, or a null pointer where the result is an
// object. Only the file errors that end a command are thrown: FileError.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "text/upper.h"

namespace zbk {

using NativePath = std::string;

// Drive type codes.
enum DriveTypeCodes : int {
  kDriveUnknown = 0,
  kDriveNoRoot = 1,
  kDriveRemovable = 2,
  kDriveFixed = 3,
  kDriveRemote = 4,
  kDriveCdRom = 5,
  kDriveRamDisk = 6,
};

// What the system tells of one drive letter. A query that fails (no
// medium, no such drive) leaves its field empty.
struct DriveInfo {
  int type = kDriveNoRoot;
  std::optional<std::int64_t> free;   // bytes available to the caller
  std::optional<std::int64_t> total;  // bytes
  std::optional<NativePath> root;     // where its root folder is listed
  std::optional<std::string> label;   // Windows-1250
  // The volume's serial number as the system shows it ("1A2B-3C4D" on
  // Windows, the file system's UUID on Linux); none where it has none.
  std::optional<std::string> serial;
  // False when the label holds characters Windows-1250 lacks (shown as
  // '?'), so that it cannot name the volume's catalogue.
  bool label_exact = true;
  // False when the system did not answer in time (a drive that hangs): the
  // fields are then as for a failing query, the type as last known.
  bool answered = true;
};

// The window's thread never asks the system's drives itself: the program
// puts a TimeBoundDrives in front of them, which runs Refresh and Query on
// threads of their own. So every implementation that asks the system
// allows, from any thread: Query of different letters at once, and Refresh
// while a Query is still running (a drive that hangs); never two Refresh,
// nor two Query of one letter, at once. Either call may block as long as
// the system does.
class Drives {
 public:
  virtual ~Drives() = default;
  // Reads the system's drives afresh. Query answers from what was read
  // until the next Refresh; drives whose queries ask the system each time
  // need none.
  virtual void Refresh() {}
  // The drive of `letter`, 'A' to 'Z'.
  virtual DriveInfo Query(char letter) = 0;
};

// Where a drive letter, of either case, stands among A to Z; -1 for any
// other character.
constexpr int DriveIndex(char letter) {
  const char upper = UpperAscii(letter);
  return upper >= 'A' && upper <= 'Z' ? upper - 'A' : -1;
}

// Sizes are kept in 32 bits: exact below kSizeLimit, and kSizeLimit for
// every file of that many bytes or more.
inline constexpr std::uint32_t kSizeLimit = 4294967295u;
constexpr std::uint32_t ClampedSize(std::uint64_t bytes) {
  return bytes >= kSizeLimit ? kSizeLimit : static_cast<std::uint32_t>(bytes);
}

enum class EntryKind {
  kFile,    // a file, or anything else that is no folder and no link to one
  kFolder,  // a folder of its own, to descend into
  kLink,    // a link to a folder, or one that leads nowhere: neither walked
            // nor taken as a file
};

struct FolderEntry {
  std::string name;   // Windows-1250; characters it lacks shown as '?'
  NativePath native;  // the platform's own name, to descend into or open
  EntryKind kind = EntryKind::kFile;
  std::uint32_t size = 0;  // ClampedSize of its bytes

  bool folder() const { return kind == EntryKind::kFolder; }
  bool file() const { return kind == EntryKind::kFile; }
};

// An open folder listing; closed when destroyed.
class FolderListing {
 public:
  virtual ~FolderListing() = default;
  // The next entry, or false at the end of the listing.
  virtual bool Next(FolderEntry& entry) = 0;
};

// A failing file operation. It aborts the running command; the toolkit's
// error report shows Message() at the handler boundary.
class FileError : public std::runtime_error {
 public:
  enum class Kind { kOpen, kRead, kWrite, kClose };
  FileError(Kind kind, std::string_view name);
  Kind kind() const { return kind_; }
  // The Polish message for the user, in Windows-1250.
  const std::string& Message() const { return message_; }

 private:
  Kind kind_;
  std::string message_;
};

// A listing that failed because the medium failed or went away (an I/O
// error, the device gone, a stale handle, an error part way through the
// listing). Unlike a folder the system refuses, it leaves unseen files that
// are there: a walk that meets one is incomplete. Elsewhere it ends the
// command like any other error reading a file.
class ListingFailed : public FileError {
 public:
  explicit ListingFailed(std::string_view shown) : FileError(Kind::kRead, shown) {}
};

// How a finished catalogue takes its name.
enum class Placement {
  kReplace,  // in place of whatever file (or link) had that name
  kIfNew,    // only where nothing had that name; otherwise it is dropped
};

// A catalogue file being written. It is written under a temporary name in
// the working folder and takes its own name only at Close, in one step;
// until then a file of that name stays exactly as it was. Dropped without
// Close (a command aborted by an error), the temporary file is removed.
// Write and Close throw FileError naming the catalogue, never the
// temporary file.
class OutputFile {
 public:
  virtual ~OutputFile() = default;
  virtual void Write(std::string_view bytes) = 0;
  // Flushes the data to the disk, then gives the file its name as
  // `placement` says. False when it was dropped because the name was taken.
  virtual bool Close(Placement placement) = 0;
};

// A file open for reading. Read gives 0 at the end; both throw FileError.
class InputFile {
 public:
  virtual ~InputFile() = default;
  virtual std::size_t Read(char* buffer, std::size_t size) = 0;
  virtual void Close() = 0;
};

enum class ListingDetail { kNamesAndKinds, kWithSizes };

// How a command stays answerable while a call waits for the system (a drive
// that hangs): Files that hand a call to another thread ask KeepWaiting, on
// the command's thread, every kPatienceStep while the call has not
// returned. False gives the call up: it goes on unseen on its thread, and
// the caller gets what the end of a listing or of a file gives.
class Patience {
 public:
  virtual ~Patience() = default;
  virtual bool KeepWaiting() = 0;
};
inline constexpr int kPatienceStepMs = 100;

// Threads. The window's thread makes every call, and decorators make some
// on threads of their own (the listings ahead of the walk, the couriers of
// PatientFiles): List and the FolderListing it gives, Open and the
// InputFile it gives, and Child. So every Files allows List, Child and Open
// from several threads at once, on any folders and files; a listing or a
// file is used by one thread at a time, though not always the one that
// opened it, and may be destroyed on yet another. WorkingFolder, Create,
// Prefetch and SetPatience come from the window's thread only.
class Files {
 public:
  virtual ~Files() = default;
  // Lists the entries of `folder` whose names match `pattern` ("*.*" for
  // all, "*.TXT"), letter case ignored; every kind of entry, "." and ".."
  // included where the system lists them. nullptr when the folder cannot be
  // read (an empty path cannot, the system refuses it, it is gone) or
  // nothing matches. Throws ListingFailed, as the listing's Next does, when
  // the medium fails.
  virtual std::unique_ptr<FolderListing> List(const NativePath& folder, std::string_view pattern,
                                              ListingDetail detail) = 0;
  // The path of the entry `name` of `folder`.
  virtual NativePath Child(const NativePath& folder, const NativePath& name) = 0;
  // The process's working folder, where catalogue files are written.
  virtual NativePath WorkingFolder() = 0;
  // Starts a new catalogue file that will be the Windows-1250 `name` in the
  // working folder, in a temporary file of its own that is created anew and
  // never through a link. Removes the temporary files that runs of the same
  // name left behind when they were killed. nullptr when the temporary file
  // cannot be created, `name` is no plain name of that folder ("", ".",
  // "..", one with a "/"), or it is taken by a folder, a device or a FIFO.
  virtual std::unique_ptr<OutputFile> Create(std::string_view name) = 0;
  // Opens an existing file for reading; throws FileError when it cannot.
  // `shown` is the name the error message gives.
  virtual std::unique_ptr<InputFile> Open(const NativePath& file, std::string_view shown) = 0;
  // The folders a walk will list next ("*.*" with sizes), in the order it
  // will list them, before the ones named earlier; nothing forgets them
  // all. A hint only: Files that can list ahead of need do.
  virtual void Prefetch(const std::vector<NativePath>& /*folders*/) {}
  // Keeps `folder` open until the result is dropped, so that the folders
  // below it are opened relative to it, on any thread: no path is then too
  // long for the system, and no link below it is followed. nullptr where
  // the system needs no such thing, or the folder cannot be opened.
  virtual std::shared_ptr<void> Hold(const NativePath& /*folder*/) { return nullptr; }
  // While set, calls that wait for the system keep `patience` informed (see
  // Patience); nullptr: calls just wait. A hint too: Files that never wait
  // long ignore it.
  virtual void SetPatience(Patience* /*patience*/) {}
};

// A Files that passes every call on to another: a decorator derives from it
// and overrides only what it changes.
class FilesWrapper : public Files {
 public:
  explicit FilesWrapper(Files& inner) : inner_(inner) {}

  std::unique_ptr<FolderListing> List(const NativePath& folder, std::string_view pattern,
                                      ListingDetail detail) override {
    return inner_.List(folder, pattern, detail);
  }
  NativePath Child(const NativePath& folder, const NativePath& name) override {
    return inner_.Child(folder, name);
  }
  NativePath WorkingFolder() override { return inner_.WorkingFolder(); }
  std::unique_ptr<OutputFile> Create(std::string_view name) override { return inner_.Create(name); }
  std::unique_ptr<InputFile> Open(const NativePath& file, std::string_view shown) override {
    return inner_.Open(file, shown);
  }
  void Prefetch(const std::vector<NativePath>& folders) override { inner_.Prefetch(folders); }
  std::shared_ptr<void> Hold(const NativePath& folder) override { return inner_.Hold(folder); }
  void SetPatience(Patience* patience) override { inner_.SetPatience(patience); }

 protected:
  Files& inner() { return inner_; }

 private:
  Files& inner_;
};

class Hosts {
 public:
  virtual ~Hosts() = default;
  // The names as the system gives them (they may carry trailing spaces or a
  // NUL); the caller trims them.
  virtual std::string ComputerName() = 0;
  virtual std::string UserName() = 0;
};

struct Os {
  Drives& drives;
  Files& files;
  Hosts& hosts;
};

}  // namespace zbk
