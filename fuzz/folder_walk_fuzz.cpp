// A whole catalogue run over a fuzzed folder tree (any names, hidden and
// system folders, folders that cannot be listed, more than 1000 entries in a
// folder, any sizes, Esc at any moment) through the real window and an
// in-memory drive, against the walk's steps written out plainly: the name
// order as repeated search for the smallest entry not yet taken, every entry
// kept, and a stopped run ending as a partial catalogue.
#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "catalogue/catalogue_line.h"
#include "catalogue/extension_tally.h"
#include "fuzz_input.h"
#include "support/memory_files.h"
#include "support/window_rig.h"
#include "text/literal.h"
#include "text/name_order.h"
#include "text/upper.h"

namespace zbk::fuzz {
namespace {

struct Entry {
  std::string name;
  bool folder = false;
  std::uint32_t size = 0;
  bool unlistable = false;
  std::vector<Entry> entries;
};

// Entries in a whole tree, counting every copy of a repeated folder's subtree.
constexpr std::size_t kMostEntries = 6000;
constexpr int kDeepest = 6;
constexpr std::size_t kLongTable = 100;

class TreeReader {
 public:
  explicit TreeReader(FuzzInput& in) : in_(in) {}

  void ReadFolder(Entry& folder, int depth) {
    const int count = in_.Byte() % 8;
    for (int i = 0; i < count && !in_.empty(); ++i) {
      const std::uint8_t kind = in_.Byte();
      Entry entry;
      entry.folder = (kind & 1) != 0 && depth < kDeepest;
      entry.name = Name((kind >> 1) & 7);
      if (entry.folder) {
        entry.unlistable = (kind & 0x20) != 0;
        ReadFolder(entry, depth + 1);
      } else {
        entry.size = Size((kind & 0x40) != 0);
      }
      const std::size_t repeat = (kind & 0x80) ? 1 + in_.Number(2) % 1100 : 1;
      const std::size_t weight = Weight(entry);
      for (std::size_t r = 0; r < repeat && total_ + weight <= kMostEntries; ++r) {
        total_ += weight;
        folder.entries.push_back(entry);
        if (repeat > 1) folder.entries.back().name.insert(0, std::to_string(r));
      }
    }
  }

 private:
  std::string Name(int how) {
    static constexpr std::string_view kSpecial[] = {"System Volume Information",
                                                    "system volume information",
                                                    "$RECYCLE.BIN",
                                                    "$Recycle.Bin",
                                                    "$RECYC",
                                                    ".",
                                                    "..",
                                                    ".git",
                                                    "A.DAT",
                                                    "a.dat",
                                                    "_x.Dat",
                                                    "\xB9"
                                                    "b.dll",
                                                    "README"};
    switch (how) {
      case 5:
        return std::string(kSpecial[in_.Byte() % std::size(kSpecial)]);
      case 6:
        return Join(".", in_.Take(in_.Byte() % 8));
      case 7:
        return std::string(240 + in_.Byte() % 30, static_cast<char>(in_.Byte()));
      default:
        return std::string(in_.Take(in_.Byte() % 12));
    }
  }

  std::uint32_t Size(bool edge) {
    static constexpr std::uint32_t kEdges[] = {0,       99999,      100000,     123456,
                                               1234567, 4294967294, 4294967295, 3000000000};
    if (edge) return kEdges[in_.Byte() % std::size(kEdges)];
    return static_cast<std::uint32_t>(in_.Number(4));
  }

  static std::size_t Weight(const Entry& entry) {
    std::size_t weight = 1;
    for (const Entry& e : entry.entries) weight += Weight(e);
    return weight;
  }

  FuzzInput& in_;
  std::size_t total_ = 0;
};

// The order of the steps: as many times as there are names, the smallest
// name not yet taken, upper-cased and compared as unsigned bytes. For long
// tables, where that costs up to a million comparisons an input, a stable
// sort of the upper-cased names stands in; it gives the same order.
std::vector<std::size_t> SmallestFirst(const std::vector<std::string>& names) {
  std::vector<std::string> upper;
  for (const auto& name : names) upper.push_back(Upper(name));
  std::vector<std::size_t> order;
  if (names.size() > kLongTable) {
    for (std::size_t i = 0; i < names.size(); ++i) order.push_back(i);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return upper[a] < upper[b]; });
    return order;
  }
  std::vector<bool> taken(names.size());
  for (std::size_t k = 0; k < names.size(); ++k) {
    std::size_t pick = names.size();
    for (std::size_t i = 0; i < names.size(); ++i) {
      if (!taken[i] && (pick == names.size() || upper[i] < upper[pick])) pick = i;
    }
    taken[pick] = true;
    order.push_back(pick);
  }
  return order;
}

struct Table {
  std::vector<const Entry*> entries;
  std::vector<std::string> names;
  void Put(const Entry& entry) {
    entries.push_back(&entry);
    names.emplace_back(Head(entry.name, 250));
  }
  std::vector<std::size_t> Order() const {
    const std::vector<std::size_t> order = SmallestFirst(names);
    Check(NameOrder(names) == order, "name order");
    return order;
  }
};

struct Outcome {
  std::vector<std::string> rows;
  std::string catalogue;
  int selected = -1;
  bool stopped = false;  // by an Esc during the run: a partial catalogue
  // Esc at the finish message, when nothing runs any more, closes the window.
  bool closed = false;
};

class ModelRun {
 public:
  ModelRun(const Entry& root, int stop_at) : root_(root), stop_at_(stop_at) {}

  Outcome Run() {
    Show();  // the start message
    std::uint32_t count = 0;
    ExtensionTally tally;
    Walk(ShortText("C:\\"), root_, count, tally);
    out_.stopped = !busy_;
    const auto& reports = unusual_.lines();
    out_.closed = ++processed_ == stop_at_;  // the finish message
    for (auto it = reports.rbegin(); it != reports.rend(); ++it) out_.rows.push_back(it->str());
    out_.selected = static_cast<int>(out_.rows.size()) - 1;
    return out_;
  }

 private:
  void Show() {
    if (++processed_ == stop_at_) busy_ = false;
  }

  static bool Listable(const Entry& folder) {
    return !folder.unlistable;  // an empty folder still lists "." and ".."
  }

  void Walk(const ShortText& path, const Entry& folder, std::uint32_t& count,
            ExtensionTally& tally) {
    count = 0;
    tally.Clear();
    if (!busy_ || !Listable(folder)) return;
    Table folders;
    for (const Entry& e : folder.entries) {
      if (e.folder && !e.name.starts_with(".") && e.name != "System Volume Information" &&
          !e.name.starts_with("$RECYC"))
        folders.Put(e);
    }
    for (const std::size_t i : folders.Order()) {
      std::uint32_t child_count = 0;
      ExtensionTally child_tally;
      Walk(ShortText(Join(path, folders.names[i], "\\")), *folders.entries[i], child_count,
           child_tally);
      count += child_count;
      tally.Merge(child_tally);
    }
    Show();
    if (!busy_) return;
    Table files;
    std::uint32_t own_count = 0;
    ExtensionTally own_tally;
    for (const Entry& e : folder.entries) {
      if (e.folder || e.name.starts_with(".")) continue;
      files.Put(e);
      const std::string extension = Upper(ExtensionOf(e.name));
      if (!extension.empty() && IsUnusual(extension)) {
        ++own_count;
        own_tally.Add(extension, 1);
      }
    }
    count += own_count;
    tally.Merge(own_tally);
    for (const std::size_t i : files.Order()) {
      if (files.entries[i]->size < 100000) continue;
      const std::string line = CatalogueLine(files.entries[i]->size, path, files.names[i]);
      out_.rows.push_back(line);
      out_.catalogue += Join(line, "\r\n");
    }
    if (count >= 123) unusual_.Add(FolderReportText(path, count, tally));
  }

  const Entry& root_;
  int stop_at_;
  int processed_ = 0;
  bool busy_ = true;
  Outcome out_;
  UnusualFolderList unusual_;
};

void AddTree(testing::MemoryFiles& files, const NativePath& path, const Entry& folder) {
  files.Folder(path).unlistable = folder.unlistable;
  for (const Entry& e : folder.entries) {
    testing::MemoryFiles::Node node;
    node.name = e.name;
    node.folder = e.folder;
    node.size = e.size;
    const auto& added = files.Add(path, std::move(node));
    if (e.folder) AddTree(files, Join(path, "/", added.native_name), e);
  }
}

Outcome RunReal(const Entry& root, int stop_at) {
  testing::MemoryFiles files;
  AddTree(files, "/disk", root);
  testing::WindowRig rig(files);
  rig.FixedDrive('C', "/disk", "FUZZ");
  rig.Start();
  MemoryToolkit& tk = rig.toolkit();
  const int base = tk.processed();
  tk.SetProcessHook([&](int n) {
    if (stop_at != 0 && n == base + stop_at) tk.ClickEsc();
  });
  rig.Catalogue('C');
  Check(rig.errors().empty() && rig.busy() == 0 && rig.yes_enabled(), "the run returns");
  const bool closed = tk.closed();
  const bool stopped = rig.status() == " Przerwane, niepełny FUZZ.txt."_cp;
  Check(closed ? rig.status() == " Zatrzymane."
               : stopped ||
                     rig.status().starts_with(" Koniec C:, ew. podziękowania proszę wysyłać "_cp),
        "the finish message, or the stop message of an Esc that closed the window");
  Check(files.created() == std::vector<std::string>{"FUZZ.txt"}, "the catalogue file");
  return {rig.rows(), files.Find("/work/FUZZ.txt")->bytes, tk.l().Selected(), stopped, closed};
}

}  // namespace

void Target(FuzzInput& in) {
  const int stop_at = in.Byte();
  Entry root;
  root.folder = true;
  root.unlistable = (in.Byte() & 1) != 0;
  TreeReader(in).ReadFolder(root, 0);
  const Outcome real = RunReal(root, stop_at);
  const Outcome expected = ModelRun(root, stop_at).Run();
  Check(real.rows == expected.rows, "the result list");
  Check(real.catalogue == expected.catalogue, "the catalogue file");
  Check(real.selected == expected.selected, "the selected row");
  Check(real.closed || real.stopped == expected.stopped, "a stopped run says so");
  Check(real.closed == expected.closed, "the window closes only at an Esc when nothing runs");
}

}  // namespace zbk::fuzz
