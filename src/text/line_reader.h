// Reads the lines of a text file the way catalogue files are read: a line is
// the characters up to, not including, the next CR or Ctrl-Z, at most 250 of
// them; LF is an ordinary character. After the line, everything up to and
// including the next CR and one LF right after it is skipped, so characters
// beyond the 250th of a line are lost. The file ends where no character is
// left or the next one is Ctrl-Z.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/os.h"

namespace zbk {

class LineReader {
 public:
  explicit LineReader(std::unique_ptr<InputFile> file, std::size_t buffer_size = 1 << 16);

  // Reads one line into `line` and moves to the start of the next one.
  void ReadLine(std::string& line);
  bool Eof();
  void Close();

 private:
  bool Fill();  // false at the end of the file

  std::unique_ptr<InputFile> file_;
  std::vector<char> buffer_;
  const char* pos_ = nullptr;
  const char* end_ = nullptr;
};

}  // namespace zbk
