// Counting files with unusual extensions, per folder and per extension, and
// the report line of a folder with many of them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "text/short_text.h"

namespace zbk {

// The extensions that count as usual; any leading part of one of its items
// counts as usual too.
inline constexpr std::string_view kUsualExtensions =
    ".BIN.7Z.ACE.RAR.ZIP.PDF.JPG.GIF.MP3.MP4.MPC.WMA.VOB.TXT.PCF.MPG.AVI.MKV.VOB.EXE.DOC.SHS.RTF.";

// A folder whose subtree holds this many unusual files is reported.
inline constexpr std::uint32_t kUnusualThreshold = 123;

// The text from the last "." of the name, provided no "\" or ":" follows it;
// empty otherwise.
std::string_view ExtensionOf(std::string_view name);

// An upper-cased, non-empty extension is unusual when it is not found in the
// usual list.
bool IsUnusual(std::string_view extension);

// Counts per extension: 99 named entries, taken in order of first arrival,
// and a nameless 100th that takes the counts for which no entry is left.
// An extension is known by its first 9 characters.
class ExtensionTally {
 public:
  static constexpr std::size_t kNamed = 99;
  static constexpr std::size_t kTextLength = 9;

  struct Entry {
    std::array<char, kTextLength> text{};
    std::uint8_t length = 0;
    std::uint32_t count = 0;
    std::string_view Text() const { return {text.data(), length}; }
  };

  void Clear();
  // Adds n to the entry of the extension: a new entry while fewer than 99
  // are named, else the nameless one.
  void Add(std::string_view extension, std::uint32_t n);
  // Adds every named entry of the child, as Add does; the child's nameless
  // count is not carried up.
  void Merge(const ExtensionTally& child);

  std::size_t used() const { return used_; }
  const Entry& entry(std::size_t i) const { return entries_[i]; }
  std::uint32_t unnamed_count() const { return unnamed_; }

 private:
  std::array<Entry, kNamed> entries_{};
  std::size_t used_ = 0;
  std::uint32_t unnamed_ = 0;
};

// The folder's path, its framed count, then each extension with its framed
// count from the largest count to the smallest (equal counts in order of
// arrival); cut to 250 characters.
ShortText FolderReportText(std::string_view path, std::uint32_t count, const ExtensionTally& tally);

// The report lines of one run: up to 1000; a further line replaces the
// 1000th.
class UnusualFolderList {
 public:
  static constexpr std::size_t kCapacity = 1000;
  void Add(ShortText line);
  const std::vector<ShortText>& lines() const { return lines_; }

 private:
  std::vector<ShortText> lines_;
};

}  // namespace zbk
