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
    : file_(std::move(file)), buffer_(buffer_size) {}

void LineReader::SetPause(std::size_t every, std::function<bool()> pause) {
  pause_every_ = every;
  pause_ = std::move(pause);
  since_pause_ = 0;
}

bool LineReader::Fill() {
  if (pos_ != end_) return true;
  if (stopped_) return false;
  if (pause_ && since_pause_ >= pause_every_) {
    since_pause_ = 0;
    if (!pause_()) {
      stopped_ = true;
      return false;
    }
  }
  const std::size_t got = file_->Read(buffer_.data(), buffer_.size());
  since_pause_ += got;
  pos_ = buffer_.data();
  end_ = pos_ + got;
  return got != 0;
}

void LineReader::ReadLine(std::string& line) {
  line.clear();
  while (line.size() < kShortTextCapacity && Fill()) {
    const std::size_t room = kShortTextCapacity - line.size();
    const char* limit = pos_ + std::min(room, static_cast<std::size_t>(end_ - pos_));
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
    const char* cr = Find(pos_, end_, kCr);
    if (cr == nullptr) {
      pos_ = end_;
      continue;
    }
    pos_ = cr + 1;
    if (Fill() && *pos_ == kLf) ++pos_;
    return;
  }
}

bool LineReader::Eof() {
  return !Fill() || *pos_ == kCtrlZ;
}

void LineReader::Close() {
  file_->Close();
}

}  // namespace zbk
