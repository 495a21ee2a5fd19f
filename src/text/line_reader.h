// Reads the lines of a text file the way catalogue files are read: a line is
// the characters up to, not including, the next CR or Ctrl-Z, at most 250 of
// them; LF is an ordinary character. After the line, everything up to and
// including the next CR and one LF right after it is skipped, so characters
// beyond the 250th of a line are lost. The file ends where no character is
// left or the next one is Ctrl-Z.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/os.h"

namespace zbk {

class LineReader {
 public:
  explicit LineReader(std::unique_ptr<InputFile> file, std::size_t buffer_size = 1 << 16);

  // Reads one line into `line` and moves to the start of the next one.
  // False when a pause stopped the reader inside the line: the line is
  // incomplete and is no line of the file.
  bool ReadLine(std::string& line);
  bool Eof();
  void Close();

  // Whenever reading or skipping a line passes a file offset that is a
  // multiple of `every` (one where the line does not begin), `pause` runs.
  // When it gives false the reader stops there: ReadLine gives false and the
  // file counts as ended.
  void SetPause(std::uint64_t every, std::function<bool()> pause);

 private:
  bool Fill();                // false at the end of the file, or once stopped
  const char* Limit() const;  // the end of what may be taken before a pause
  std::uint64_t Offset() const { return buffer_offset_ + (pos_ - buffer_.data()); }

  std::unique_ptr<InputFile> file_;
  std::vector<char> buffer_;
  const char* pos_ = nullptr;
  const char* end_ = nullptr;
  std::uint64_t buffer_offset_ = 0;  // of the buffer's first byte in the file
  std::function<bool()> pause_;
  std::uint64_t pause_every_ = 0;
  std::uint64_t next_pause_ = 0;
  std::uint64_t line_start_ = 0;
  bool in_line_ = false;
  bool stopped_ = false;
};

}  // namespace zbk
