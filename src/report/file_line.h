// Reading a catalogue line back: a line that has the shape of a file line
// (the 15-character size column, two spaces, the folder and a name) gives
// its size and its path; any other line is no file line. Two file lines are
// the same file when their sizes are equal and their names (the last part
// of the path) are equal with the letters a to z in either case: FileKey
// holds a hash of both.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "catalogue/catalogue_line.h"

namespace zbk {

struct FileLine {
  std::uint32_t size = 0;  // exact, or kSizeOver4GB for "większy niż 4GB"
  std::string_view path;   // the folder part and the name
  std::string_view name;   // the name alone
};

std::optional<FileLine> ReadFileLine(std::string_view line);

// A 64-bit hash of the name with a to z upper-cased, and of the size.
std::uint64_t FileKey(const FileLine& file);

}  // namespace zbk
