// The catalogue format. A catalogue file holds one line per listed file,
// ended by CR LF:
//   SizeField (15)  two spaces  folder without "X:\" (up to 200)  file name
// The size is grouped with "." and right-aligned, or "większy niż 4GB".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ports/os.h"
#include "text/literal.h"
#include "text/short_text.h"

namespace zbk {

// Files smaller than this are not listed.
inline constexpr std::uint32_t kSmallestListed = 100000;
inline constexpr std::uint32_t kSizeOver4GB = kSizeLimit;
inline constexpr std::size_t kSizeFieldWidth = 15;
// The size field of a file of 4 GiB or more.
inline constexpr std::string_view kOver4GBField = "większy niż 4GB"_cp;
// The folder part of a line holds at most this many characters.
inline constexpr std::size_t kFolderPartLength = 200;
// The longest line a catalogue run writes: the size field, two spaces, the
// folder part and the name.
inline constexpr std::size_t kLongestCatalogueLine =
    kSizeFieldWidth + 2 + kFolderPartLength + kShortTextCapacity;

// The number in decimal with a "." in front of each group of three digits
// counted from the right: 1.234.567.
std::string GroupedDigits(std::uint64_t number);

// The 15-character size column of a catalogue line.
std::string SizeField(std::uint32_t size);
void AppendSizeField(std::uint32_t size, std::string& out);

// The line for the file `name` of the folder `path` (which starts with the
// drive, "C:\..."): characters 4 to 203 of the path, then the name cut to 250.
// Control bytes in the folder or the name are written as "?".
std::string CatalogueLine(std::uint32_t size, std::string_view path, std::string_view name);
// The same line appended to `out`.
void AppendCatalogueLine(std::uint32_t size, std::string_view path, std::string_view name,
                         std::string& out);

}  // namespace zbk
