// The search through one catalogue file, a block at a time. It finds the
// lines that hold all three words and reports them, with the moments of the
// search's messages, exactly as reading the file line by line would:
//
//   - A line is what comes before the next CR, without it; an LF right after
//     the CR belongs to that CR. The text of a line is its first 250
//     characters up to any Ctrl-Z. A line beginning with Ctrl-Z ends the
//     file; an empty file is one empty line.
//   - After every thousandth line, Progress(n) runs; when it gives false the
//     search stops after that line's test.
//   - Where a line (not its beginning) reaches a file offset that is a
//     multiple of `pause_every`, Pause() runs; when it gives false the
//     search stops there, without that line.
//
// Candidate lines are found by a vector scan of the whole block for the
// longest word; only those lines are taken apart and tested. Made without
// words, the scan gives every line as a hit, in file order.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ports/os.h"
#include "search/byte_scan.h"
#include "search/search_words.h"
#include "text/short_text.h"

namespace zbk {

class LineScanEvents {
 public:
  virtual ~LineScanEvents() = default;
  virtual bool Pause() = 0;
  virtual bool Progress(std::uint32_t lines) = 0;
  virtual void Hit(std::string_view line) = 0;
};

struct LineScanSizes {
  std::size_t block = std::size_t{256} << 10;        // bytes read at a time
  std::size_t longest_kept = std::size_t{64} << 10;  // a longer line is followed, not kept
  std::uint64_t pause_every = std::uint64_t{1} << 20;
  std::size_t text = kShortTextCapacity;  // a line's text: its first so many characters
};

class LineScan {
 public:
  // The words are kept by reference: they must outlive the scan.
  LineScan(const SearchWords& words, LineScanSizes sizes = {});
  // Every line is a hit.
  explicit LineScan(LineScanSizes sizes);

  // Searches the file to its end or to a stop. A read that fails throws
  // its FileError once the lines before the failure are searched. With
  // `first_line_only` (the search was stopped before the file), the first
  // line is searched, then the search stops.
  void Run(InputFile& file, LineScanEvents& events, bool first_line_only = false);

 private:
  // Handles the lines of buffer_[0, end); false when the search stops or
  // the file ends there.
  bool Process(std::size_t end, bool final_region);
  // Follows a line longer than the buffer to its end.
  bool FollowLongLine();
  void Hits(std::size_t from, std::size_t to);
  bool PausesBefore(std::uint64_t start, std::uint64_t limit);
  bool LineRead(std::string_view text);
  bool LookAhead(std::size_t at);
  // Tests a line's text; `probe_found`: the longest word is in it.
  void TestLine(std::string_view text, bool probe_found);
  void Fill();
  void Drop(std::size_t count);
  bool StartsLine(std::size_t at) const;
  std::size_t LineStartOf(std::size_t at, std::size_t known_start) const;
  std::size_t LineEndAfter(std::size_t at, std::size_t limit) const;
  // The text of the line that begins at `start`, and where the line ends
  // (after its CR and LF, or at `limit`).
  std::string_view LineAt(std::size_t start, std::size_t limit, std::size_t& line_end) const;

  LineScanSizes sizes_;
  std::optional<WordProbe> probe_;        // none: every line
  std::vector<std::string_view> others_;  // the other words, each once
  InputFile* file_ = nullptr;
  LineScanEvents* events_ = nullptr;
  std::vector<char> buffer_;
  std::size_t length_ = 0;            // bytes in the buffer
  std::uint64_t base_ = 0;            // the file offset of buffer_[0]
  bool at_end_ = false;               // the file has been read to its end, or failed
  std::optional<FileError> failure_;  // a read that failed, raised where it counts
  std::uint32_t lines_ = 0;           // lines read
  bool first_line_only_ = false;
  std::uint64_t next_pause_ = 0;
  bool ctrl_z_free_ = false;  // no Ctrl-Z in the lines at hand
  std::string upper_;
  std::string long_text_;
};

}  // namespace zbk
