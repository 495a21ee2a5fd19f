// The figures of a whole collection of catalogues: for each catalogue its
// files and bytes, what of them has a copy on another disk and what exists
// on that disk only, and the files that are on three disks or more.
//
// Two file lines of different catalogues are copies of one file when their
// sizes are equal exact sizes and their names are equal, letters a to z in
// either case; "większy niż 4GB" lines match by name alone and are counted
// apart. Lines of one catalogue are no copies of each other.
//
// The catalogues are read twice: first every file line leaves 20 bytes (a
// hash of its name and size, the size, the catalogue and the line number),
// then only the lines whose names the figures show are read again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ports/os.h"

namespace zbk {

inline constexpr std::size_t kLargestSingleShown = 20;
inline constexpr std::size_t kMostCopiedShown = 100;
inline constexpr std::size_t kMostCopiedDisks = 3;

struct ShownFile {
  std::uint32_t size = 0;  // kSizeOver4GB for "większy niż 4GB"
  std::string path;        // the folder part and the name, as in the catalogue
};

struct CatalogueFigures {
  std::string name;   // the catalogue file's name, Windows-1250
  std::string error;  // why it could not be read; empty when it was read
  std::uint64_t files = 0;
  std::uint64_t bytes = 0;  // of the files with an exact size
  std::uint64_t copied_files = 0;
  std::uint64_t copied_bytes = 0;
  std::uint64_t over_4gb = 0;  // files of "większy niż 4GB" (in files too)
  std::uint64_t over_4gb_copied = 0;
  // Its largest files that exist nowhere else, largest first.
  std::vector<ShownFile> largest_single;

  bool read() const { return error.empty(); }
  std::uint64_t single_files() const { return files - copied_files; }
  std::uint64_t single_bytes() const { return bytes - copied_bytes; }
  // Every file has a copy on another disk.
  bool fully_copied() const { return files > 0 && copied_files == files; }
};

struct SharedFile {
  ShownFile file;
  std::vector<std::size_t> catalogues;  // the disks holding it, in name order
};

struct CollectionFigures {
  std::vector<CatalogueFigures> catalogues;  // in name order
  // The files on kMostCopiedDisks disks or more, largest first (then those
  // on more disks), at most kMostCopiedShown.
  std::vector<SharedFile> most_copied;

  std::size_t unread() const;
  CatalogueFigures Totals() const;  // the sums over the catalogues read
};

// The figures of the catalogues of `folder`, found and read as the search
// finds and reads them; nothing when there is no catalogue. A catalogue that
// cannot be read is kept with its error message and no figures.
std::optional<CollectionFigures> ReadCollection(Files& files, const NativePath& folder);

}  // namespace zbk
