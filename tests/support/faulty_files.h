// A Files decorator that makes the operations of another Files fail on
// purpose, or runs a test's action just before them (to delete an entry
// between two listings, say). Everything not configured passes through.
// Its calls may come from several threads at once, as those of every Files;
// the test's actions must then allow that too.
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>

#include "ports/os.h"

namespace zbk::testing {

class FaultyFiles : public FilesWrapper {
 public:
  struct Faults {
    // Runs before each listing of a folder with the number of earlier
    // listings of the same folder (0 for the first).
    std::function<void(const NativePath& folder, int earlier)> before_list;
    // A listing for which this is true fails.
    std::function<bool(const NativePath& folder, int earlier)> deny_list;
    // Create gives nullptr.
    bool refuse_create = false;
    // Bytes a created file takes; the write that would exceed them writes
    // what still fits, then fails.
    std::optional<std::size_t> write_room;
    // Close of a created file fails (before the file takes its name).
    bool fail_close = false;
    // Runs before each open of a file for reading.
    std::function<void(const NativePath& file)> before_open;
    // Opening a file for which this is true fails.
    std::function<bool(const NativePath& file)> deny_open;
    // Bytes an opened file gives; the read after them fails.
    std::optional<std::size_t> read_room;
  };

  explicit FaultyFiles(Files& inner) : FilesWrapper(inner) {}

  Faults faults;

  std::unique_ptr<FolderListing> List(const NativePath& folder, std::string_view pattern,
                                      ListingDetail detail) override;
  std::unique_ptr<OutputFile> Create(std::string_view name) override;
  std::unique_ptr<InputFile> Open(const NativePath& file, std::string_view shown) override;

 private:
  std::mutex mutex_;  // guards listings_
  std::map<NativePath, int> listings_;
};

}  // namespace zbk::testing
