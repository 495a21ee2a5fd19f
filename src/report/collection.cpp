#include "report/collection.h"

#include <algorithm>
#include <queue>
#include <tuple>
#include <utility>

#include "catalogue/catalogue_line.h"
#include "report/file_line.h"
#include "search/catalogue_listing.h"
#include "search/line_scan.h"

namespace zbk {
namespace {

// What the first reading keeps of one file line.
struct LineRecord {
  std::uint32_t key_high = 0;
  std::uint32_t key_low = 0;
  std::uint32_t size = 0;
  std::uint32_t catalogue = 0;
  std::uint32_t line = 0;  // its number in the catalogue, from 0

  std::uint64_t key() const { return (std::uint64_t{key_high} << 32) | key_low; }
  friend bool operator<(const LineRecord& a, const LineRecord& b) {
    return std::tie(a.key_high, a.key_low, a.catalogue, a.line) <
           std::tie(b.key_high, b.key_low, b.catalogue, b.line);
  }
};
static_assert(sizeof(LineRecord) == 20);

// The records as they are read, in blocks of a fixed size; each block is
// sorted on its own, and the blocks are merged as they are read out, so
// that the records are never copied.
class LineRecords {
 public:
  void Add(const LineRecord& record) {
    if (blocks_.empty() || blocks_.back().size() == kBlock) {
      blocks_.emplace_back();
      blocks_.back().reserve(kBlock);
    }
    blocks_.back().push_back(record);
  }

  // Gives every record in order, then frees them all.
  template <typename Each>
  void InOrder(Each&& each) {
    for (auto& block : blocks_) std::sort(block.begin(), block.end());
    using Place = std::pair<const LineRecord*, const LineRecord*>;  // next, end
    const auto later = [](const Place& a, const Place& b) { return *b.first < *a.first; };
    std::priority_queue<Place, std::vector<Place>, decltype(later)> next(later);
    for (const auto& block : blocks_) {
      if (!block.empty()) next.emplace(block.data(), block.data() + block.size());
    }
    while (!next.empty()) {
      Place place = next.top();
      next.pop();
      each(*place.first);
      if (++place.first != place.second) next.push(place);
    }
    blocks_.clear();
  }

 private:
  static constexpr std::size_t kBlock = std::size_t{1} << 16;  // 1.25 MB
  std::vector<std::vector<LineRecord>> blocks_;
};

// A file that the figures may show, before its path is read again.
struct Candidate {
  std::uint32_t size = 0;
  std::size_t disks = 1;
  std::uint32_t catalogue = 0;
  std::uint32_t line = 0;
  std::uint64_t key = 0;
  std::vector<std::size_t> catalogues;
};

// Larger first, then on more disks, then in reading order.
bool Before(const Candidate& a, const Candidate& b) {
  if (a.size != b.size) return a.size > b.size;
  if (a.disks != b.disks) return a.disks > b.disks;
  return std::tie(a.catalogue, a.line) < std::tie(b.catalogue, b.line);
}

// The best `limit` candidates offered.
class Best {
 public:
  explicit Best(std::size_t limit) : limit_(limit) {}

  // Whether a candidate like this one would be kept.
  bool Wants(const Candidate& candidate) const {
    return heap_.size() < limit_ || Before(candidate, heap_.front());
  }
  void Offer(Candidate candidate) {
    if (!Wants(candidate)) return;
    if (heap_.size() == limit_) {
      std::pop_heap(heap_.begin(), heap_.end(), Before);
      heap_.pop_back();
    }
    heap_.push_back(std::move(candidate));
    std::push_heap(heap_.begin(), heap_.end(), Before);
  }
  std::vector<Candidate> Sorted() && {
    std::sort(heap_.begin(), heap_.end(), Before);
    return std::move(heap_);
  }

 private:
  std::size_t limit_;
  std::vector<Candidate> heap_;  // the worst kept in front
};

LineScanSizes WholeLines() {
  LineScanSizes sizes;
  // One more than a catalogue line can have, so that a longer line shows.
  sizes.text = kLongestCatalogueLine + 1;
  return sizes;
}

// The first reading of one catalogue: every file line counted and kept.
class FirstReading : public LineScanEvents {
 public:
  FirstReading(std::uint32_t number, CatalogueFigures& figures, LineRecords& records)
      : number_(number), figures_(figures), records_(records) {}

  bool Pause() override { return true; }
  bool Progress(std::uint32_t /*lines*/) override { return true; }
  void Hit(std::string_view text) override {
    const std::uint32_t line = line_++;
    const auto file = ReadFileLine(text);
    if (!file) return;
    ++figures_.files;
    if (file->size == kSizeOver4GB) {
      ++figures_.over_4gb;
    } else {
      figures_.bytes += file->size;
    }
    const std::uint64_t key = FileKey(*file);
    records_.Add({static_cast<std::uint32_t>(key >> 32), static_cast<std::uint32_t>(key),
                  file->size, number_, line});
  }

 private:
  std::uint32_t number_;
  CatalogueFigures& figures_;
  LineRecords& records_;
  std::uint32_t line_ = 0;
};

// The second reading: the paths of the lines the figures show.
struct WantedLine {
  std::uint32_t line = 0;
  std::uint64_t key = 0;
  std::string* path = nullptr;
};

class SecondReading : public LineScanEvents {
 public:
  explicit SecondReading(const std::vector<WantedLine>& wanted) : wanted_(wanted) {}

  bool Pause() override { return next_ < wanted_.size(); }
  bool Progress(std::uint32_t /*lines*/) override { return next_ < wanted_.size(); }
  void Hit(std::string_view text) override {
    const std::uint32_t line = line_++;
    while (next_ < wanted_.size() && wanted_[next_].line == line) {
      const auto file = ReadFileLine(text);
      // A catalogue changed since the first reading shows no path.
      if (file && FileKey(*file) == wanted_[next_].key) wanted_[next_].path->assign(file->path);
      ++next_;
    }
  }

 private:
  const std::vector<WantedLine>& wanted_;
  std::size_t next_ = 0;
  std::uint32_t line_ = 0;
};

void Read(LineScan& scan, Files& files, const NativePath& file, std::string_view name,
          LineScanEvents& events) {
  const auto input = files.Open(file, name);
  scan.Run(*input, events);
  input->Close();
}

// The figures of one group of equal files (records in order); offers the
// files on one disk and those on many as candidates.
void CountGroup(const std::vector<LineRecord>& group, std::vector<CatalogueFigures>& catalogues,
                std::vector<Best>& single, Best& most_copied) {
  std::size_t disks = 1;
  for (std::size_t i = 1; i < group.size(); ++i) {
    if (group[i].catalogue != group[i - 1].catalogue) ++disks;
  }
  for (const LineRecord& record : group) {
    CatalogueFigures& figures = catalogues[record.catalogue];
    if (disks >= 2) {
      ++figures.copied_files;
      if (record.size == kSizeOver4GB) {
        ++figures.over_4gb_copied;
      } else {
        figures.copied_bytes += record.size;
      }
      continue;
    }
    single[record.catalogue].Offer(
        {record.size, 1, record.catalogue, record.line, record.key(), {}});
  }
  if (disks < kMostCopiedDisks) return;
  const LineRecord& first = group.front();
  Candidate candidate{first.size, disks, first.catalogue, first.line, first.key(), {}};
  if (!most_copied.Wants(candidate)) return;
  for (std::size_t i = 0; i < group.size(); ++i) {
    if (i == 0 || group[i].catalogue != group[i - 1].catalogue) {
      candidate.catalogues.push_back(group[i].catalogue);
    }
  }
  most_copied.Offer(std::move(candidate));
}

}  // namespace

std::size_t CollectionFigures::unread() const {
  return static_cast<std::size_t>(std::count_if(
      catalogues.begin(), catalogues.end(), [](const CatalogueFigures& c) { return !c.read(); }));
}

CatalogueFigures CollectionFigures::Totals() const {
  CatalogueFigures totals;
  for (const CatalogueFigures& c : catalogues) {
    if (!c.read()) continue;
    totals.files += c.files;
    totals.bytes += c.bytes;
    totals.copied_files += c.copied_files;
    totals.copied_bytes += c.copied_bytes;
    totals.over_4gb += c.over_4gb;
    totals.over_4gb_copied += c.over_4gb_copied;
  }
  return totals;
}

std::optional<CollectionFigures> ReadCollection(Files& files, const NativePath& folder) {
  CatalogueNames names;
  {
    const auto listing = ListCatalogueFiles(files, folder);
    if (!listing) return std::nullopt;
    names = ReadCatalogueNames(*listing);
  }
  if (names.files.empty()) return std::nullopt;

  CollectionFigures figures;
  std::vector<NativePath> paths;
  for (const CatalogueName& catalogue : names.files) {
    figures.catalogues.emplace_back().name = catalogue.shown;
    paths.push_back(files.Child(folder, catalogue.native));
  }

  LineScan scan(WholeLines());
  LineRecords records;
  for (std::uint32_t n = 0; n < figures.catalogues.size(); ++n) {
    CatalogueFigures& catalogue = figures.catalogues[n];
    try {
      FirstReading reading(n, catalogue, records);
      Read(scan, files, paths[n], catalogue.name, reading);
    } catch (const FileError& error) {
      CatalogueFigures unread;
      unread.name = catalogue.name;
      unread.error = error.Message();
      catalogue = std::move(unread);
    }
  }

  std::vector<Best> single(figures.catalogues.size(), Best(kLargestSingleShown));
  Best most_copied(kMostCopiedShown);
  std::vector<LineRecord> group;
  records.InOrder([&](const LineRecord& record) {
    // The records of a catalogue that could not be read all count for nothing.
    if (!figures.catalogues[record.catalogue].read()) return;
    if (!group.empty() && group.front().key() != record.key()) {
      CountGroup(group, figures.catalogues, single, most_copied);
      group.clear();
    }
    group.push_back(record);
  });
  if (!group.empty()) CountGroup(group, figures.catalogues, single, most_copied);

  // The files shown, and the lines their paths are on.
  std::vector<std::vector<WantedLine>> wanted(figures.catalogues.size());
  for (std::size_t n = 0; n < figures.catalogues.size(); ++n) {
    const std::vector<Candidate> best = std::move(single[n]).Sorted();
    auto& shown = figures.catalogues[n].largest_single;
    shown.resize(best.size());
    for (std::size_t i = 0; i < best.size(); ++i) {
      shown[i].size = best[i].size;
      wanted[n].push_back({best[i].line, best[i].key, &shown[i].path});
    }
  }
  std::vector<Candidate> shared = std::move(most_copied).Sorted();
  figures.most_copied.resize(shared.size());
  for (std::size_t i = 0; i < shared.size(); ++i) {
    SharedFile& file = figures.most_copied[i];
    file.file.size = shared[i].size;
    file.catalogues = std::move(shared[i].catalogues);
    wanted[shared[i].catalogue].push_back({shared[i].line, shared[i].key, &file.file.path});
  }
  for (std::size_t n = 0; n < wanted.size(); ++n) {
    if (wanted[n].empty()) continue;
    std::sort(wanted[n].begin(), wanted[n].end(),
              [](const WantedLine& a, const WantedLine& b) { return a.line < b.line; });
    try {
      SecondReading reading(wanted[n]);
      Read(scan, files, paths[n], figures.catalogues[n].name, reading);
    } catch (const FileError&) {
      // Read once, then no longer: its files are shown without their paths.
    }
  }
  return figures;
}

}  // namespace zbk
