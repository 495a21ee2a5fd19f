// The rules for reading a catalogue file, written out plainly over its whole
// contents, for checking the line reader against: a line is the characters
// up to the next CR or Ctrl-Z, at most 250 of them (or as many as given); the rest of the line is
// skipped through the next CR and one LF right after it; the file ends where
// no character is left or the next one is Ctrl-Z.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zbk::fuzz {

class LineModel {
 public:
  struct ReadFailure {};

  // When the file fails after `readable` bytes, looking at any byte from
  // there on throws ReadFailure (if the file is no longer than that, its end
  // is met first).
  explicit LineModel(std::string_view bytes, std::size_t readable = std::string_view::npos,
                     std::size_t longest = 250)
      : bytes_(bytes), readable_(readable), longest_(longest) {}

  std::string ReadLine() {
    std::string line;
    char c = 0;
    while (line.size() < longest_ && At(pos_, c) && c != kCr && c != kCtrlZ) {
      line.push_back(c);
      ++pos_;
    }
    while (At(pos_, c)) {
      ++pos_;
      if (c == kCr) {
        if (At(pos_, c) && c == kLf) ++pos_;
        break;
      }
    }
    return line;
  }

  bool Eof() {
    char c = 0;
    return !At(pos_, c) || c == kCtrlZ;
  }

  // Where the next line begins (after ReadLine: where the line read ends).
  std::size_t pos() const { return pos_; }
  // Where a read fails, or npos.
  std::size_t failure() const {
    return readable_ <= bytes_.size() ? readable_ : std::string_view::npos;
  }

 private:
  static constexpr char kCr = '\r';
  static constexpr char kLf = '\n';
  static constexpr char kCtrlZ = 0x1A;

  bool At(std::size_t i, char& c) const {
    if (readable_ <= bytes_.size() && i >= readable_) throw ReadFailure{};
    if (i >= bytes_.size()) return false;
    c = bytes_[i];
    return true;
  }

  std::string_view bytes_;
  std::size_t readable_;
  std::size_t longest_;
  std::size_t pos_ = 0;
};

}  // namespace zbk::fuzz
