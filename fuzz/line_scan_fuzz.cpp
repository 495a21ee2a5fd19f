// The search through one file on arbitrary bytes, against the plain model
// of reading it line by line: any block and line sizes, any size of the
// pieces the file gives, reads that fail part way, pauses every few bytes
// and a stop at any pause or thousandth line. What both report (pauses,
// progress, the lines that hold the words, a read failure) must agree, in
// order. Made without words, the scan gives every line, each of the length
// it is given.
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "line_model.h"
#include "search/line_scan.h"
#include "search/search_words.h"
#include "support/faulty_files.h"
#include "support/memory_files.h"
#include "text/upper.h"

namespace zbk::fuzz {
namespace {

// The events in order, as text; a stop answer given at the n-th message.
class Recorder : public LineScanEvents {
 public:
  explicit Recorder(int stop_at) : stop_at_(stop_at) {}
  bool Pause() override {
    events.push_back("pause");
    return ++messages_ != stop_at_;
  }
  bool Progress(std::uint32_t lines) override {
    events.push_back("progress " + std::to_string(lines));
    return ++messages_ != stop_at_;
  }
  void Hit(std::string_view line) override { events.push_back("hit " + std::string(line)); }

  std::vector<std::string> events;

 private:
  int stop_at_;
  int messages_ = 0;
};

bool Holds(const std::string& line, const SearchWords& words) {
  const std::string upper = Upper(line);
  return upper.find(words.first.view()) != std::string::npos &&
         upper.find(words.second.view()) != std::string::npos &&
         upper.find(words.third.view()) != std::string::npos;
}

// The line by line search: a pause at every multiple of `every` inside a
// line (not where it begins), once the bytes up to it are read.
void Model(std::string_view bytes, std::size_t readable, std::uint64_t every,
           const std::optional<SearchWords>& words, std::size_t longest, bool first_line_only,
           Recorder& out) {
  LineModel model(bytes, readable, longest);
  auto pauses = [&](std::size_t start, std::size_t end) {
    for (std::uint64_t at = (start / every + 1) * every; at < end; at += every) {
      if (!out.Pause()) return false;
    }
    return true;
  };
  try {
    for (std::uint32_t lines = 1;; ++lines) {
      const std::size_t start = model.pos();
      std::string line;
      try {
        line = model.ReadLine();
      } catch (const LineModel::ReadFailure&) {
        if (!pauses(start, model.failure())) return;
        throw;
      }
      if (!pauses(start, model.pos())) return;
      bool go_on = true;
      if (lines % 1000 == 0) go_on = out.Progress(lines);
      if (!words || Holds(line, *words)) out.Hit(line);
      if (model.Eof() || !go_on || first_line_only) return;
    }
  } catch (const LineModel::ReadFailure&) {
    out.events.push_back("failure");
  }
}

}  // namespace

void Target(FuzzInput& in) {
  LineScanSizes sizes;
  sizes.block = 1 + in.Byte() % 64;
  sizes.longest_kept = in.Byte() % 300;
  sizes.pause_every = 1 + in.Number(2) % 5000;
  const std::size_t chunk = 1 + in.Byte() % 97;
  const std::uint8_t mode = in.Byte();
  std::optional<std::size_t> readable;
  if (mode & 1) readable = in.Number(2) % 4096;
  const int stop_at = (mode & 2) ? 1 + in.Byte() % 16 : 0;
  const bool first_line_only = (mode & 0x80) != 0;
  std::string query = NormaliseQuery(in.Until('\n'));
  std::optional<SearchWords> words;
  if (query.empty()) {
    // Every line, cut to a length of its own.
    sizes.text = 1 + in.Byte() % 300;
  } else {
    words = SplitQuery(query);
  }
  // Lines of more than a thousand, to reach the progress messages.
  std::string bytes(in.Rest());
  if (mode & 4) {
    std::string many;
    for (int i = 0; i < 1000 + (mode >> 3); ++i) many += bytes.substr(0, 3) + "\r\n";
    bytes = many + bytes;
  }

  testing::MemoryFiles files;
  files.AddFile("/work", "f.txt", bytes);
  files.SetReadChunk(chunk);
  testing::FaultyFiles faulty(files);
  faulty.faults.read_room = readable;
  Recorder real(stop_at);
  try {
    const auto file = faulty.Open("/work/f.txt", "f.txt");
    if (words) {
      LineScan(*words, sizes).Run(*file, real, first_line_only);
    } else {
      LineScan(sizes).Run(*file, real, first_line_only);
    }
  } catch (const FileError& error) {
    Check(error.kind() == FileError::Kind::kRead, "a failed read is a read error");
    real.events.push_back("failure");
  }
  Recorder expected(stop_at);
  Model(bytes, readable.value_or(std::string_view::npos), sizes.pause_every, words, sizes.text,
        first_line_only, expected);
  if (real.events != expected.events) {
    for (const auto* events : {&real.events, &expected.events}) {
      std::fprintf(stderr, events == &real.events ? "scan:\n" : "line by line:\n");
      for (const auto& event : *events) std::fprintf(stderr, "  [%s]\n", event.c_str());
    }
  }
  Check(real.events == expected.events, "the scan differs from reading line by line");
}

}  // namespace zbk::fuzz
