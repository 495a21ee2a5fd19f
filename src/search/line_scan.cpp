#include "search/line_scan.h"

#include <algorithm>
#include <cstring>

#include "search/byte_scan.h"
#include "text/short_text.h"
#include "text/upper.h"

namespace zbk {
namespace {

constexpr char kCr = '\r';
constexpr char kLf = '\n';
constexpr char kCtrlZ = 0x1A;
constexpr std::uint32_t kProgressEvery = 1000;

const ShortText& Longest(const SearchWords& words) {
  const ShortText* longest = &words.first;
  if (words.second.size() > longest->size()) longest = &words.second;
  if (words.third.size() > longest->size()) longest = &words.third;
  return *longest;
}

const char* FindByte(const char* from, const char* to, char byte) {
  if (from >= to) return nullptr;
  return static_cast<const char*>(std::memchr(from, byte, static_cast<std::size_t>(to - from)));
}

const char* FindLastByte(const char* from, const char* to, char byte) {
  while (to > from) {
    if (*--to == byte) return to;
  }
  return nullptr;
}

}  // namespace

LineScan::LineScan(const SearchWords& words, LineScanSizes sizes)
    : sizes_(sizes), probe_(Longest(words).view()) {
  // A line where the probe found its word needs only the other words tested,
  // each once.
  for (const ShortText* word : {&words.first, &words.second, &words.third}) {
    if (word->view() == Longest(words).view()) continue;
    if (std::find(others_.begin(), others_.end(), word->view()) == others_.end()) {
      others_.push_back(word->view());
    }
  }
}

LineScan::LineScan(LineScanSizes sizes) : sizes_(sizes) {}

void LineScan::Run(InputFile& file, LineScanEvents& events, bool first_line_only) {
  first_line_only_ = first_line_only;
  file_ = &file;
  events_ = &events;
  // Room for a CR and the byte after it, at the least.
  buffer_.resize(std::max<std::size_t>(2, sizes_.longest_kept + sizes_.block));
  length_ = 0;
  base_ = 0;
  at_end_ = false;
  failure_.reset();
  lines_ = 0;
  next_pause_ = sizes_.pause_every;
  for (;;) {
    Fill();
    // The buffer begins a line: one beginning with Ctrl-Z ends the file,
    // unless it is the file's first.
    if (length_ > 0 && buffer_[0] == kCtrlZ && base_ != 0) return;
    if (at_end_ && !failure_) {
      Process(length_, true);
      return;
    }
    // The complete lines: up to the last CR whose next byte is in. Without
    // one, a full buffer is the beginning of a long line.
    const char* data = buffer_.data();
    const char* cr = length_ == 0 ? nullptr : FindLastByte(data, data + length_ - 1, kCr);
    if (cr == nullptr && !failure_) {
      if (!FollowLongLine()) return;
      continue;
    }
    std::size_t end = 0;
    if (cr != nullptr) {
      end = static_cast<std::size_t>(cr - data) + 1;
      if (data[end] == kLf) ++end;
      if (!Process(end, false)) return;
    }
    if (failure_) {
      // What was read before the failure is searched as if the file went
      // on; the failure counts where the search would need the next byte.
      if (end < length_ && buffer_[end] == kCtrlZ && base_ + end != 0) return;
      if (!PausesBefore(base_ + end, base_ + length_)) return;
      throw *failure_;
    }
    Drop(end);
  }
}

void LineScan::Drop(std::size_t count) {
  std::memmove(buffer_.data(), buffer_.data() + count, length_ - count);
  base_ += count;
  length_ -= count;
}

void LineScan::Fill() {
  while (length_ < buffer_.size() && !at_end_) {
    try {
      const std::size_t got = file_->Read(buffer_.data() + length_, buffer_.size() - length_);
      if (got == 0) at_end_ = true;
      length_ += got;
    } catch (const FileError& error) {
      failure_ = error;
      at_end_ = true;
    }
  }
}

// Whether the byte at `at` begins a line: the first of the buffer (which
// always begins one), or one after a CR, or after a CR and its LF.
bool LineScan::StartsLine(std::size_t at) const {
  const char* data = buffer_.data();
  if (at == 0) return true;
  if (data[at - 1] == kCr) return data[at] != kLf;
  return data[at - 1] == kLf && at >= 2 && data[at - 2] == kCr;
}

std::size_t LineScan::LineStartOf(std::size_t at, std::size_t known_start) const {
  const char* data = buffer_.data();
  const char* cr = FindLastByte(data + known_start, data + at, kCr);
  if (cr == nullptr) return known_start;
  std::size_t c = static_cast<std::size_t>(cr - data);
  if (c + 1 == at && data[at] == kLf) {
    // The LF that belongs to the CR: its line is the one the CR ends.
    cr = FindLastByte(data + known_start, data + c, kCr);
    if (cr == nullptr) return known_start;
    c = static_cast<std::size_t>(cr - data);
  }
  return c + 1 + (data[c + 1] == kLf ? 1 : 0);
}

std::size_t LineScan::LineEndAfter(std::size_t at, std::size_t limit) const {
  const char* data = buffer_.data();
  const char* cr = FindByte(data + at, data + limit, kCr);
  if (cr == nullptr) return limit;
  std::size_t end = static_cast<std::size_t>(cr - data) + 1;
  if (end < length_ && data[end] == kLf) ++end;
  return end;
}

std::string_view LineScan::LineAt(std::size_t start, std::size_t limit,
                                  std::size_t& line_end) const {
  const char* data = buffer_.data();
  const char* cr = FindByte(data + start, data + limit, kCr);
  const char* end = cr == nullptr ? data + limit : cr;
  line_end = static_cast<std::size_t>(end - data);
  if (cr != nullptr && ++line_end < length_ && data[line_end] == kLf) ++line_end;
  end = std::min(end, data + start + sizes_.text);
  if (!ctrl_z_free_) {
    if (const char* z = FindByte(data + start, end, kCtrlZ)) end = z;
  }
  return {data + start, static_cast<std::size_t>(end - (data + start))};
}

void LineScan::TestLine(std::string_view text, bool probe_found) {
  if (!probe_ || (others_.empty() && probe_found)) {
    events_->Hit(text);
    return;
  }
  upper_.assign(text);
  for (char& c : upper_) c = UpperAscii(c);
  if (!probe_found && upper_.find(probe_->word()) == std::string::npos) return;
  for (const std::string_view word : others_) {
    if (upper_.find(word) == std::string::npos) return;
  }
  events_->Hit(text);
}

// Tests the lines of [from, to) that hold the longest word; `from` begins a
// line, and `to` begins one or is where the file ends.
void LineScan::Hits(std::size_t from, std::size_t to) {
  const char* data = buffer_.data();
  std::size_t start = from;  // a line start at or before `at`
  std::size_t at = from;
  if (!probe_) {
    while (start < to) {
      std::size_t line_end = 0;
      events_->Hit(LineAt(start, to, line_end));
      start = line_end;
    }
    return;
  }
  while (at < to) {
    const char* place = NextCandidate(data + at, data + to, *probe_);
    if (place == nullptr) return;
    const auto candidate = static_cast<std::size_t>(place - data);
    if (!probe_->Holds(place)) {
      at = candidate + 1;
      continue;
    }
    start = LineStartOf(candidate, start);
    std::size_t line_end = 0;
    const std::string_view text = LineAt(start, to, line_end);
    if (candidate >= start && place + probe_->length() <= text.data() + text.size()) {
      TestLine(text, true);
    }
    start = at = line_end;
  }
}

// Runs the pauses at the boundaries before `limit` in the line that begins
// at `start` (file offsets). False when one says stop.
bool LineScan::PausesBefore(std::uint64_t start, std::uint64_t limit) {
  while (next_pause_ < limit) {
    const std::uint64_t at = next_pause_;
    next_pause_ += sizes_.pause_every;
    if (at != start && !events_->Pause()) return false;
  }
  return true;
}

// A line that has been read whole: counted, its progress, its test.
bool LineScan::LineRead(std::string_view text) {
  ++lines_;
  bool go_on = true;
  if (lines_ % kProgressEvery == 0) go_on = events_->Progress(lines_);
  TestLine(text, false);
  return go_on && !(first_line_only_ && lines_ == 1);
}

// Stopped after a line, the search still looks where the next one would
// begin, as its end-of-file test does: a read failing there is reported.
bool LineScan::LookAhead(std::size_t at) {
  if (at == length_ && !at_end_) {
    Drop(at);
    Fill();
    at = 0;
  }
  if (at == length_ && failure_) throw *failure_;
  return false;
}

bool LineScan::Process(std::size_t end, bool final_region) {
  const char* data = buffer_.data();
  // A line beginning with Ctrl-Z, other than the file's first, ends the file.
  std::size_t limit = end;
  bool file_ends = final_region;
  ctrl_z_free_ = FindByte(data, data + end, kCtrlZ) == nullptr;
  for (const char* z = FindByte(data, data + end, kCtrlZ); z != nullptr;
       z = FindByte(z + 1, data + end, kCtrlZ)) {
    const auto at = static_cast<std::size_t>(z - data);
    if (StartsLine(at) && base_ + at != 0) {
      limit = at;
      file_ends = true;
      break;
    }
  }
  std::size_t pos = 0;  // a line start; the lines before it are done
  for (;;) {
    // The next line at which the window gets its messages: one with a pause
    // inside it, or the next thousandth line.
    std::size_t pause_line = limit;
    while (next_pause_ < base_ + limit) {
      const auto at = static_cast<std::size_t>(next_pause_ - base_);
      const std::size_t start = LineStartOf(at, pos);
      if (start != at) {
        pause_line = start;
        break;
      }
      next_pause_ += sizes_.pause_every;  // where a line begins: no pause
    }
    std::size_t progress_line = limit;
    const std::uint32_t before = kProgressEvery - 1 - lines_ % kProgressEvery;
    if (before == 0 || (first_line_only_ && lines_ == 0)) {
      progress_line = pos;  // also the first line, when it is the last
    } else if (const char* cr = FindNthByte(data + pos, data + limit, kCr, before)) {
      progress_line = LineEndAfter(static_cast<std::size_t>(cr - data), limit);
    }
    const std::size_t line = std::min(pause_line, progress_line);
    if (line >= limit) break;
    Hits(pos, line);
    // Before the thousandth line stand `before` line ends, already counted.
    if (line != pos) {
      lines_ += line == progress_line
                    ? before
                    : static_cast<std::uint32_t>(CountByte(data + pos, data + line, kCr));
    }
    pos = line;
    std::size_t line_end = 0;
    const std::string_view text = LineAt(pos, limit, line_end);
    if (!PausesBefore(base_ + pos, base_ + line_end)) return false;
    if (!LineRead(text)) return LookAhead(line_end);
    pos = line_end;
  }
  Hits(pos, limit);
  lines_ += static_cast<std::uint32_t>(CountByte(data + pos, data + limit, kCr));
  if (!file_ends) return true;
  // An unfinished last line is a line too, and an empty file is one.
  const char* last_cr = FindLastByte(data + pos, data + limit, kCr);
  const std::size_t last_start =
      last_cr == nullptr ? pos : LineEndAfter(static_cast<std::size_t>(last_cr - data), limit);
  if (lines_ == 0 && base_ + limit == 0) {
    ++lines_;
    if (!probe_) events_->Hit({});  // an empty file is one empty line
  } else if (last_start < limit) {
    ++lines_;
  }
  return false;
}

bool LineScan::FollowLongLine() {
  // The line begins at buffer_[0] and fills the buffer.
  const std::uint64_t start = base_;
  ctrl_z_free_ = false;
  long_text_.clear();
  bool text_open = true;
  // The line's text grows from its bytes as they pass.
  const auto take_text = [&](std::size_t end) {
    for (std::size_t i = 0; i < end && text_open; ++i) {
      const char c = buffer_[i];
      text_open = c != kCtrlZ && c != kCr && long_text_.size() < sizes_.text;
      if (text_open) long_text_.push_back(c);
    }
  };
  for (;;) {
    const char* data = buffer_.data();
    const char* cr = FindByte(data, data + length_, kCr);
    if (cr == nullptr) {
      // All of the buffer belongs to the line; the line goes on, or the
      // file ends here.
      if (!PausesBefore(start, base_ + length_)) return false;
      if (failure_) throw *failure_;
      take_text(length_);
      if (at_end_) {
        LineRead(long_text_);
        return false;
      }
      Drop(length_);
      Fill();
      continue;
    }
    const auto c = static_cast<std::size_t>(cr - data);
    take_text(c);
    if (c + 1 == length_ && !(at_end_ && !failure_)) {
      // Whether an LF follows the CR is in the next block.
      if (!PausesBefore(start, base_ + c + 1)) return false;
      if (failure_) throw *failure_;
      Drop(c);
      Fill();
      continue;
    }
    const std::size_t end = c + 1 + (c + 1 < length_ && data[c + 1] == kLf ? 1 : 0);
    if (!PausesBefore(start, base_ + end)) return false;
    if (!LineRead(long_text_)) return LookAhead(end);
    // On after the line; a Ctrl-Z there ends the file.
    Drop(end);
    if (length_ == 0 && at_end_ && !failure_) return false;
    return length_ == 0 || buffer_[0] != kCtrlZ;
  }
}

}  // namespace zbk
