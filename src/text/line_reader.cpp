#include "text/line_reader.h"

#include <cstring>

#include "text/short_text.h"

namespace zbk {
namespace {

constexpr char kCr = '\r';
constexpr char kLf = '\n';
constexpr char kCtrlZ = 0x1A;

const char* Find(const char* from, const char* to, char c) {
  return static_cast<const char*>(std::memchr(from, c, static_cast<std::size_t>(to - from)));
}

}  // namespace

LineReader::LineReader(std::unique_ptr<InputFile> file, std::size_t buffer_size)
    : file_(std::move(file)), buffer_(buffer_size), pos_(buffer_.data()), end_(pos_) {}

void LineReader::SetPause(std::uint64_t every, std::function<bool()> pause) {
  pause_every_ = every;
  pause_ = std::move(pause);
  next_pause_ = Offset() + every;
}

bool LineReader::Fill() {
  if (stopped_) return false;
  if (pos_ == end_) {
    buffer_offset_ += static_cast<std::uint64_t>(end_ - buffer_.data());
    const std::size_t got = file_->Read(buffer_.data(), buffer_.size());
    pos_ = buffer_.data();
    end_ = pos_ + got;
    if (got == 0) return false;
  }
  if (pause_ && Offset() == next_pause_) {
    next_pause_ += pause_every_;
    if (in_line_ && Offset() != line_start_ && !pause_()) {
      stopped_ = true;
      return false;
    }
  }
  return true;
}

const char* LineReader::Limit() const {
  if (!pause_) return end_;
  const std::uint64_t before_pause = next_pause_ - Offset();
  return before_pause < static_cast<std::uint64_t>(end_ - pos_) ? pos_ + before_pause : end_;
}

bool LineReader::ReadLine(std::string& line) {
  line.clear();
  line_start_ = Offset();
  in_line_ = true;
  while (line.size() < kShortTextCapacity && Fill()) {
    const std::size_t room = kShortTextCapacity - line.size();
    const char* limit = pos_ + std::min(room, static_cast<std::size_t>(Limit() - pos_));
    const char* cr = Find(pos_, limit, kCr);
    const char* stop = cr != nullptr ? cr : limit;
    const char* z = Find(pos_, stop, kCtrlZ);
    if (z != nullptr) stop = z;
    line.append(pos_, stop);
    pos_ = stop;
    if (stop != limit) break;  // at a CR or a Ctrl-Z
  }
  // Skip to the next line: through the next CR, then one LF.
  while (Fill()) {
    const char* limit = Limit();
    const char* cr = Find(pos_, limit, kCr);
    if (cr == nullptr) {
      pos_ = limit;
      continue;
    }
    pos_ = cr + 1;
    if (Fill() && *pos_ == kLf) ++pos_;
    break;
  }
  in_line_ = false;
  return !stopped_;
}

bool LineReader::Eof() {
  return !Fill() || *pos_ == kCtrlZ;
}

void LineReader::Close() {
  file_->Close();
}

}  // namespace zbk
