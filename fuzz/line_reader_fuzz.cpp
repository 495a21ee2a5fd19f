// The line reader on arbitrary bytes, against the plain model of the rules:
// any buffer size, any size of the pieces the file gives, and reads that
// fail part way. The reader is driven as the search drives it (a line, then
// the end test), sometimes with extra end tests in between.
#include <cstdint>
#include <optional>
#include <string>

#include "fuzz_input.h"
#include "line_model.h"
#include "support/faulty_files.h"
#include "support/memory_files.h"
#include "text/line_reader.h"
#include "text/literal.h"
#include "text/short_text.h"

namespace zbk::fuzz {
namespace {

// What one step of either reader gave: a line and the end test, or a failure.
struct Step {
  bool failed = false;
  std::string line;
  bool eof = false;
  bool operator==(const Step&) const = default;
};

}  // namespace

void Target(FuzzInput& in) {
  const std::size_t buffer = 1 + in.Number(2) % 600;
  const std::size_t chunk = 1 + in.Byte() % 97;
  const std::uint8_t mode = in.Byte();
  std::optional<std::size_t> readable;
  if (mode & 1) readable = in.Number(2) % 2048;
  const bool extra_end_tests = (mode & 2) != 0;
  const std::string bytes(in.Rest());

  testing::MemoryFiles files;
  files.AddFile("/work", "f.txt", bytes);
  files.SetReadChunk(chunk);
  testing::FaultyFiles faulty(files);
  faulty.faults.read_room = readable;
  LineReader reader(faulty.Open("/work/f.txt", "f.txt"), buffer);
  LineModel model(bytes, readable.value_or(std::string_view::npos));

  // Every step uses up at least one byte, or ends the file.
  for (std::size_t steps = 0;; ++steps) {
    Check(steps <= bytes.size() + 1, "the reader stops making progress");
    Step real;
    Step expected;
    try {
      if (extra_end_tests) real.eof = reader.Eof();
      reader.ReadLine(real.line);
      real.eof = reader.Eof();
    } catch (const FileError& error) {
      Check(error.kind() == FileError::Kind::kRead, "a failed read is a read error");
      Check(error.Message() == Join("Błąd odczytu pliku "_cp, "f.txt"), "read error message");
      real = Step{true, {}, false};
    }
    try {
      if (extra_end_tests) expected.eof = model.Eof();
      expected.line = model.ReadLine();
      expected.eof = model.Eof();
    } catch (const LineModel::ReadFailure&) {
      expected = Step{true, {}, false};
    }
    Check(real == expected, "the reader differs from the model");
    Check(real.line.size() <= 250, "a line holds at most 250 characters");
    if (real.failed || real.eof) break;
  }
}

}  // namespace zbk::fuzz
