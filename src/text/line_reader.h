// Reads the lines of a text file the way catalogue files are read: a line is
// the characters up to, not including, the next CR or Ctrl-Z, at most 250 of
// them; LF is an ordinary character. After the line, everything up to and
// including the next CR and one LF right after it is skipped, so characters
// beyond the 250th of a line are lost. The file ends where no character is
// left or the next one is Ctrl-Z.
#pragma once

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
  void ReadLine(std::string& line);
  bool Eof();
  void Close();

  // While a line is read or skipped, `pause` runs after every `every` bytes
  // read from the file since it last ran or since PauseHeld. When it gives
  // false the reader stops where it is: the line in hand is what was read
  // up to there, and the file counts as ended.
  void SetPause(std::size_t every, std::function<bool()> pause);
  // The caller has just done what the pause does: the count starts again.
  void PauseHeld() { since_pause_ = 0; }

 private:
  bool Fill();  // false at the end of the file, or once a pause stopped it

  std::unique_ptr<InputFile> file_;
  std::vector<char> buffer_;
  const char* pos_ = nullptr;
  const char* end_ = nullptr;
  std::function<bool()> pause_;
  std::size_t pause_every_ = 0;
  std::size_t since_pause_ = 0;
  bool stopped_ = false;
};

}  // namespace zbk
