// Reading and writing catalogue text files: line ends, Ctrl-Z, long lines,
// the moments of a search's messages, buffering and failures.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "catalogue/line_writer.h"
#include "search/line_scan.h"

namespace zbk {
namespace {

class BytesInput : public InputFile {
 public:
  explicit BytesInput(std::string bytes, std::size_t chunk = 7)
      : bytes_(std::move(bytes)), chunk_(chunk) {}
  std::size_t Read(char* buffer, std::size_t size) override {
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
};

using Strings = std::vector<std::string>;

// The events of a search through `bytes` for `query`, as text.
class Events : public LineScanEvents {
 public:
  explicit Events(int stop_at = 0) : stop_at_(stop_at) {}
  bool Pause() override {
    seen.push_back("pause");
    return ++messages_ != stop_at_;
  }
  bool Progress(std::uint32_t lines) override {
    seen.push_back(std::to_string(lines));
    return ++messages_ != stop_at_;
  }
  void Hit(std::string_view line) override { seen.emplace_back(line); }
  Strings seen;

 private:
  int stop_at_;
  int messages_ = 0;
};

Strings Scan(std::string bytes, std::string_view query, LineScanSizes sizes = {}, int stop_at = 0) {
  const SearchWords words = SplitQuery(NormaliseQuery(query));
  BytesInput input(std::move(bytes));
  Events events(stop_at);
  LineScan(words, sizes).Run(input, events);
  return events.seen;
}

// Small blocks, so that lines cross them and go beyond them.
LineScanSizes Small() {
  LineScanSizes sizes;
  sizes.block = 5;
  sizes.longest_kept = 3;
  return sizes;
}

TEST(LineScan, CrAndCrLfEndLinesLfIsAnOrdinaryCharacter) {
  for (const LineScanSizes& sizes : {LineScanSizes{}, Small()}) {
    EXPECT_EQ(Scan("ab\r\ncd\r\n", "b", sizes), (Strings{"ab"}));
    EXPECT_EQ(Scan("xb\rcd\nab\r\n", "b", sizes), (Strings{"xb", "cd\nab"}));
    EXPECT_EQ(Scan("ab\r\n\nb", "b", sizes), (Strings{"ab", "\nb"}));  // one LF after the CR
    EXPECT_EQ(Scan(std::string("a\0b\r\n", 5), "b", sizes), (Strings{std::string("a\0b", 3)}));
  }
}

TEST(LineScan, CtrlZEndsTheTextAndAtALineStartTheFile) {
  EXPECT_EQ(Scan("ab\x1A"
                 "cd\r\nbe",
                 "b"),
            (Strings{"ab", "be"}));
  EXPECT_EQ(Scan("ab\x1A"
                 "cd\r\nbe",
                 "b", Small()),
            (Strings{"ab", "be"}));
  EXPECT_EQ(Scan("ab\r\n\x1A"
                 "bd\r\n",
                 "b"),
            (Strings{"ab"}));
  EXPECT_EQ(Scan("\x1A"
                 "b\r\nbe",
                 "b"),
            (Strings{"be"}))
      << "not where the file begins";
}

TEST(LineScan, OnlyTheFirst250CharactersOfALineAreSearched) {
  const std::string first(249, 'a');
  EXPECT_EQ(Scan(first + "bz\r\nbb", "b"), (Strings{first + "b", "bb"}));
  EXPECT_EQ(Scan(first + "zb\r\nbb", "b"), (Strings{"bb"}));
  EXPECT_EQ(Scan(first + "zb" + std::string(300, 'c') + "\r\nbb", "b", Small()), (Strings{"bb"}));
}

TEST(LineScan, ProgressEveryThousandLinesAPauseEveryMiBInsideALine) {
  std::string lines;
  for (int i = 1; i <= 2500; ++i) lines += i % 1000 == 0 ? "hit\r\n" : "x\r\n";
  EXPECT_EQ(Scan(lines, "hit"), (Strings{"1000", "hit", "2000", "hit"}));
  EXPECT_EQ(Scan(lines, "hit", {}, 1), (Strings{"1000", "hit"})) << "the line is still tested";

  constexpr std::size_t kMiB = std::size_t{1} << 20;
  // The second line begins at 1 MiB (no pause there); 2 MiB is its LF.
  std::string bytes =
      std::string(kMiB - 2, 'a') + "\r\n" + "hit" + std::string(kMiB - 4, 'b') + "\r\n" + "hit";
  EXPECT_EQ(Scan(bytes, "hit"), (Strings{"pause", "hit" + std::string(247, 'b'), "hit"}));
  EXPECT_EQ(Scan(bytes, "hit", {}, 1), (Strings{"pause"})) << "a stop drops the line";
}

TEST(LineScan, AFileWithoutLineEndsStopsAtTheFirstPause) {
  constexpr std::size_t kMiB = std::size_t{1} << 20;
  BytesInput input(std::string(5 * kMiB, 'x'), 64 * 1024);
  Events events(2);
  LineScan(SplitQuery("X"), {}).Run(input, events);
  EXPECT_EQ(events.seen, (Strings{"pause", "pause"}));
  EXPECT_LE(input.consumed(), 2 * kMiB + LineScanSizes{}.block + LineScanSizes{}.longest_kept);
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
