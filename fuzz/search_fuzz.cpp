// One whole search over fuzzed catalogue files (names, contents, a query,
// reads that fail part way, Esc at any moment) through the real window and
// an in-memory folder, against the search's steps written out plainly.
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "line_model.h"
#include "platform/wildcard.h"
#include "search/search_words.h"
#include "support/faulty_files.h"
#include "support/memory_files.h"
#include "support/window_rig.h"
#include "text/literal.h"
#include "text/upper.h"

namespace zbk::fuzz {
namespace {

struct Catalogue {
  std::string name;
  std::string bytes;
  bool folder = false;
};

struct Scenario {
  std::string query;
  std::vector<Catalogue> files;
  std::optional<std::size_t> readable;  // bytes of each file before a read fails
  int stop_at = 0;                      // Esc at this processing of messages; 0: never
  std::size_t chunk = 1;
};

struct Outcome {
  std::vector<std::string> rows;
  std::string status;
  std::vector<std::string> errors;
  int selected = -1;     // the selected row of the result list
  bool finished = true;  // the command returned (no error report)
  int busy = 0;          // the stop flag afterwards
};

std::string Framed(std::string_view message) {
  return std::string(Head(Join(" ", Head(message, 250), "."), 250));
}

// The search as its steps say, with the status line and Esc.
class ModelSearch {
 public:
  explicit ModelSearch(const Scenario& s) : s_(s) {}

  Outcome Run(const std::vector<std::string>& rows_before) {
    out_.rows = rows_before;
    try {
      Search();
    } catch (const LineModel::ReadFailure&) {
      out_.errors.push_back(Join("Błąd odczytu pliku "_cp, failing_));
      out_.finished = false;
      out_.busy = busy_ ? -1 : 0;  // an error leaves the flag as it was
    }
    out_.status = panel_;
    return out_;
  }

 private:
  void Process() {
    if (++processed_ == s_.stop_at) {
      busy_ = false;
      Show("Zatrzymane"_cp);
    }
  }
  void Show(std::string_view message) {
    panel_ = last_ = Framed(message);
    Process();
  }
  void Progress(std::uint32_t n) {
    panel_ = std::string(Head(Join(last_, " ", std::to_string(n), " "), 250));
    Process();
  }

  void Search() {
    const std::string query = NormaliseQuery(s_.query);
    Show("Nie wpisałeś czego szukasz"_cp);
    if (query.empty()) return;
    const SearchWords words = SplitQuery(query);
    Show("Tylko 3 słowa"_cp);
    if (words.third.view().find(' ') != std::string_view::npos) return;
    Show("Nie ma plików *.TXT"_cp);
    std::vector<const Catalogue*> listed;
    for (const auto& file : s_.files) {
      if (MatchesPattern(file.name, "*.TXT")) listed.push_back(&file);
    }
    if (listed.empty()) return;
    Show("Przeszukuję pliki *.TXT"_cp);
    std::vector<const Catalogue*> table;
    std::size_t longest = 0;
    for (const Catalogue* file : listed) {
      if (file->folder || file->name.empty() || file->name[0] == '.') continue;
      longest = std::max(longest, std::min<std::size_t>(file->name.size(), 250));
      table.push_back(file);
    }
    out_.rows.clear();
    out_.selected = -1;
    std::vector<std::string> hits;
    std::vector<bool> done(table.size());
    for (std::size_t k = 0; k < table.size(); ++k) {
      std::size_t pick = table.size();
      for (std::size_t i = 0; i < table.size(); ++i) {
        if (done[i]) continue;
        if (pick == table.size() ||
            Upper(Head(table[i]->name, 250)) < Upper(Head(table[pick]->name, 250)))
          pick = i;
      }
      done[pick] = true;
      const std::string name(Head(table[pick]->name, 250));
      std::string padded = name;
      if (name.size() < longest + 1) {
        padded = std::string(Head(Join(std::string(longest + 1 - name.size(), ' '), name), 250));
      }
      failing_ = name;
      Show(Join("Przeszukuję plik"_cp, padded));
      LineModel lines(table[pick]->bytes, s_.readable.value_or(std::string_view::npos));
      for (std::uint32_t counter = 1;; ++counter) {
        const std::string line = lines.ReadLine();
        if (counter % 1000 == 0) Progress(counter);
        const std::string upper = Upper(line);
        if (upper.find(words.first.view()) != std::string::npos &&
            upper.find(words.second.view()) != std::string::npos &&
            upper.find(words.third.view()) != std::string::npos) {
          out_.rows.push_back(Join(padded, ": ", line));
          if (hits.empty() || hits.back() != padded) hits.push_back(padded);
        }
        if (lines.Eof() || !busy_) break;
      }
      out_.selected = static_cast<int>(out_.rows.size()) - 1;
      if (!busy_) break;
    }
    if (!hits.empty()) {
      out_.rows.push_back(" Dyski:");
      for (const auto& padded : hits) out_.rows.push_back(Join("       ", padded));
    }
    out_.selected = static_cast<int>(out_.rows.size()) - 1;
    Show("Koniec szukania"_cp);
  }

  const Scenario& s_;
  Outcome out_;
  std::string panel_;
  std::string last_;
  std::string failing_;
  bool busy_ = true;
  int processed_ = 0;
};

Scenario Read(FuzzInput& in) {
  Scenario s;
  const std::uint8_t mode = in.Byte();
  if (mode & 1) s.readable = in.Number(2) % 4096;
  if (mode & 2) s.stop_at = 1 + in.Byte() % 12;
  s.chunk = 1 + in.Byte() % 200;
  const int count = 1 + (mode >> 2) % 4;
  s.query = std::string(in.Until('\n'));
  for (int i = 0; i < count; ++i) {
    const std::uint8_t kind = in.Byte();
    Catalogue file;
    file.folder = (kind & 1) != 0;
    const std::size_t length = (kind & 8) ? 240 + in.Byte() % 30 : in.Byte() % 24;
    file.name = std::string(in.Take(length));
    static constexpr std::string_view kEndings[] = {".txt", ".TXT", ".tXt", ""};
    file.name += kEndings[(kind >> 1) & 3];
    file.bytes = std::string(i + 1 == count ? in.Rest() : in.Take(in.Number(2)));
    s.files.push_back(std::move(file));
  }
  return s;
}

Outcome RunReal(const Scenario& s, std::vector<std::string>& rows_before) {
  testing::MemoryFiles memory;
  for (const auto& file : s.files) {
    testing::MemoryFiles::Node node;
    node.name = file.name;
    node.folder = file.folder;
    node.bytes = file.bytes;
    node.size = static_cast<std::uint32_t>(file.bytes.size());
    memory.Add(NativePath(testing::MemoryFiles::kWorkingFolder), std::move(node));
  }
  memory.SetReadChunk(s.chunk);
  testing::FaultyFiles files(memory);
  files.faults.read_room = s.readable;
  testing::WindowRig rig(files);
  rig.Start();
  rows_before = rig.rows();
  MemoryToolkit& tk = rig.toolkit();
  const int base = tk.processed();
  tk.SetProcessHook([&](int n) {
    if (s.stop_at != 0 && n == base + s.stop_at) tk.ClickEsc();
  });
  rig.Search(s.query);
  Outcome out{rig.rows(), rig.status(), rig.errors(), tk.l().Selected(), rig.errors().empty()};
  out.busy = rig.busy();
  Check(rig.yes_enabled() == out.finished, "the action button after the search");
  return out;
}

}  // namespace

void Target(FuzzInput& in) {
  const Scenario s = Read(in);
  std::vector<std::string> rows_before;
  const Outcome real = RunReal(s, rows_before);
  const Outcome expected = ModelSearch(s).Run(rows_before);
  if (real.rows != expected.rows || real.status != expected.status) {
    for (const Outcome* outcome : {&real, &expected}) {
      std::fprintf(stderr, outcome == &real ? "search:\n" : "model:\n");
      for (const auto& row : outcome->rows) std::fprintf(stderr, "  [%s]\n", row.c_str());
      std::fprintf(stderr, "  status [%s]\n", outcome->status.c_str());
    }
  }
  Check(real.rows == expected.rows, "the result list");
  Check(real.status == expected.status, "the status line");
  Check(real.errors == expected.errors, "the error report");
  Check(real.selected == expected.selected, "the selected row");
  Check(real.busy == expected.busy, "the stop flag");
}

}  // namespace zbk::fuzz
