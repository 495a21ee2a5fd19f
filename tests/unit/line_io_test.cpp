// Reading and writing catalogue text files: line ends, Ctrl-Z, long lines,
// buffering and failures.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "text/line_reader.h"
#include "text/line_writer.h"

namespace zbk {
namespace {

class BytesInput : public InputFile {
 public:
  explicit BytesInput(std::string bytes, std::size_t chunk = 7, bool fail_at_end = false)
      : bytes_(std::move(bytes)), chunk_(chunk), fail_at_end_(fail_at_end) {}
  std::size_t Read(char* buffer, std::size_t size) override {
    if (pos_ == bytes_.size() && fail_at_end_) throw FileError(FileError::Kind::kRead, "x.txt");
    const std::size_t n = std::min({size, chunk_, bytes_.size() - pos_});
    std::copy_n(bytes_.data() + pos_, n, buffer);
    pos_ += n;
    return n;
  }
  void Close() override {}
  std::size_t consumed() const { return pos_; }

 private:
  std::string bytes_;
  std::size_t pos_ = 0;
  std::size_t chunk_;
  bool fail_at_end_;
};

// Reads lines the way the search does: at least one, then until the end.
std::vector<std::string> Lines(std::string bytes, std::size_t buffer = 5) {
  LineReader reader(std::make_unique<BytesInput>(std::move(bytes)), buffer);
  std::vector<std::string> lines;
  std::string line;
  do {
    reader.ReadLine(line);
    lines.push_back(line);
  } while (!reader.Eof());
  return lines;
}

using Strings = std::vector<std::string>;

TEST(LineReader, CrAndCrLfEndLinesLfIsAnOrdinaryCharacter) {
  EXPECT_EQ(Lines("ab\r\ncd\r\n"), (Strings{"ab", "cd"}));
  EXPECT_EQ(Lines("ab\rcd"), (Strings{"ab", "cd"}));
  EXPECT_EQ(Lines("ab\ncd\r\n"), (Strings{"ab\ncd"}));
  EXPECT_EQ(Lines("ab\r\n\ncd"), (Strings{"ab", "\ncd"}));  // one LF after the CR only
  EXPECT_EQ(Lines("ab\r\r\ncd"), (Strings{"ab", "", "cd"}));
  EXPECT_EQ(Lines(std::string("a\0b\r\n", 5)), (Strings{std::string("a\0b", 3)}));
}

TEST(LineReader, AnEmptyFileGivesOneEmptyLine) {
  EXPECT_EQ(Lines(""), (Strings{""}));
  EXPECT_EQ(Lines("\r\n"), (Strings{""}));
  EXPECT_EQ(Lines("x"), (Strings{"x"}));
}

TEST(LineReader, CtrlZEndsTheLineAndAtALineStartTheFile) {
  EXPECT_EQ(Lines("ab\r\n\x1A"
                  "cd\r\n"),
            (Strings{"ab"}));
  EXPECT_EQ(Lines("ab\x1A"
                  "cd\r\nef"),
            (Strings{"ab", "ef"}));
  EXPECT_EQ(Lines("\x1A"), (Strings{""}));
}

TEST(LineReader, KeepsTheFirst250CharactersOfALongLine) {
  const std::string first(250, 'a');
  const std::string rest(300, 'b');
  EXPECT_EQ(Lines(first + rest + "\r\nnext"), (Strings{first, "next"}));
  EXPECT_EQ(Lines(first + "\r\n"), (Strings{first}));
  // A Ctrl-Z beyond the 250th character is lost with the rest of the line.
  EXPECT_EQ(Lines(first + "\x1A" + "\r\nnext", 64), (Strings{first, "next"}));
}

TEST(LineReader, APauseThatSaysStopEndsALineWithoutEnd) {
  constexpr std::size_t kMiB = std::size_t{1} << 20;
  auto input = std::make_unique<BytesInput>(std::string(5 * kMiB, 'x'), 64 * 1024);
  const BytesInput& file = *input;
  LineReader reader(std::move(input));
  int pauses = 0;
  reader.SetPause(kMiB, [&pauses] { return ++pauses < 2; });
  std::string line;
  EXPECT_FALSE(reader.ReadLine(line)) << "the line is incomplete";
  EXPECT_EQ(pauses, 2);
  EXPECT_TRUE(reader.Eof());
  EXPECT_LE(file.consumed(), 2 * kMiB + 64 * 1024) << "no further read after the stop";
}

// Pauses come at every MiB of the file inside a line, never where a line
// begins; a line read whole is a line whatever the pause says after it.
TEST(LineReader, PausesComeInsideLinesAtEveryMiBOfTheFile) {
  constexpr std::size_t kMiB = std::size_t{1} << 20;
  std::string bytes = std::string(kMiB - 2, 'a') + "\r\n";  // the second line begins at 1 MiB
  bytes += std::string(kMiB - 1, 'b') + "\r";               // 2 MiB: the LF of this line
  bytes += "\nc\r\n";
  int pauses = 0;
  LineReader reader(std::make_unique<BytesInput>(bytes, 4096), 1000);
  reader.SetPause(kMiB, [&pauses] { return ++pauses > 0; });
  std::string line;
  Strings lines;
  do {
    EXPECT_TRUE(reader.ReadLine(line));
    lines.push_back(line.substr(0, 1));
  } while (!reader.Eof());
  EXPECT_EQ(lines, (Strings{"a", "b", "c"}));
  EXPECT_EQ(pauses, 1) << "none where the second line begins, one before the LF";
}

TEST(LineReader, AReadFailureIsAFileError) {
  LineReader reader(std::make_unique<BytesInput>("ab", 7, true));
  std::string line;
  EXPECT_THROW(reader.ReadLine(line), FileError);
}

class BytesOutput : public OutputFile {
 public:
  BytesOutput(std::string& sink, int fail_on_write) : sink_(sink), fail_on_write_(fail_on_write) {}
  void Write(std::string_view bytes) override {
    if (++writes_ == fail_on_write_) throw FileError(FileError::Kind::kWrite, "x.txt");
    sink_.append(bytes);
  }
  bool Close(Placement placement) override {
    sink_.append(placement == Placement::kReplace ? "<replaced>" : "<if new>");
    return true;
  }

 private:
  std::string& sink_;
  int fail_on_write_;
  int writes_ = 0;
};

TEST(LineWriter, EndsLinesWithCrLfAndWritesWhenTheBufferFillsOrAtClose) {
  std::string sink;
  LineWriter writer(std::make_unique<BytesOutput>(sink, 0), 8);
  writer.WriteLine("abc");
  EXPECT_EQ(sink, "");
  writer.WriteLine("de");
  EXPECT_EQ(sink, "abc\r\nde\r\n");
  writer.WriteLine("f");
  EXPECT_TRUE(writer.Close(Placement::kIfNew));
  EXPECT_EQ(sink, "abc\r\nde\r\nf\r\n<if new>");
}

TEST(LineWriter, AFailedWriteThrowsAndADroppedWriterWritesNoMore) {
  std::string sink;
  {
    LineWriter writer(std::make_unique<BytesOutput>(sink, 2), 4);
    writer.WriteLine("one");
    EXPECT_THROW(writer.WriteLine("two"), FileError);
  }
  EXPECT_EQ(sink, "one\r\n");
  sink.clear();
  {
    LineWriter writer(std::make_unique<BytesOutput>(sink, 0), 100);
    writer.WriteLine("held back");
  }
  EXPECT_EQ(sink, "") << "a dropped file takes no name, so nothing more is written to it";
}

TEST(FileError, MessagesNameTheFileInPolish) {
  EXPECT_EQ(FileError(FileError::Kind::kOpen, "A.txt").Message(),
            "Nie mog\xEA otworzy\xE6 pliku A.txt");
  EXPECT_EQ(FileError(FileError::Kind::kWrite, "A.txt").Message(),
            "B\xB3\xB9"
            "d zapisu pliku A.txt");
}

}  // namespace
}  // namespace zbk
