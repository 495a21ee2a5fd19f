#include "report/collection.h"

#include <algorithm>
#include <tuple>

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

// The records as they are read, in blocks large enough that the allocator
// gives each its own pages back when it is freed; gathered into one array
// for sorting, each block freed as soon as it is copied.
class LineRecords {
 public:
  void Add(const LineRecord& record) {
    if (blocks_.empty() || blocks_.back().size() == kBlock) {
      blocks_.emplace_back();
      blocks_.back().reserve(kBlock);
    }
    blocks_.back().push_back(record);
    ++count_;
  }

  // Every record of a catalogue that was read whole.
  std::vector<LineRecord> Gather(const std::vector<CatalogueFigures>& catalogues) {
    std::vector<LineRecord> all;
    all.reserve(count_);
    for (auto& block : blocks_) {
      for (const LineRecord& record : block) {
        if (catalogues[record.catalogue].read()) all.push_back(record);
      }
      std::vector<LineRecord>().swap(block);
    }
    blocks_.clear();
    count_ = 0;
    return all;
  }

 private:
  static constexpr std::size_t kBlock = std::size_t{2} << 20;  // 40 MB
  std::vector<std::vector<LineRecord>> blocks_;
  std::size_t count_ = 0;
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

void Read(Files& files, const NativePath& file, std::string_view name, LineScanEvents& events) {
  LineScan scan(WholeLines());
  const auto input = files.Open(file, name);
  scan.Run(*input, events);
  input->Close();
}

// Sorts the records by file and takes the figures of each group of equal
// files; offers the files on one disk and those on many as candidates.
void CountCopies(std::vector<LineRecord>& records, std::vector<CatalogueFigures>& catalogues,
                 std::vector<Best>& single, Best& most_copied) {
  std::sort(records.begin(), records.end());
  for (std::size_t begin = 0; begin < records.size();) {
    std::size_t end = begin + 1;
    std::size_t disks = 1;
    while (end < records.size() && records[end].key() == records[begin].key()) {
      if (records[end].catalogue != records[end - 1].catalogue) ++disks;
      ++end;
    }
    for (std::size_t i = begin; i < end; ++i) {
      const LineRecord& record = records[i];
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
      Candidate candidate{record.size, 1, record.catalogue, record.line, record.key(), {}};
      single[record.catalogue].Offer(std::move(candidate));
    }
    if (disks >= kMostCopiedDisks) {
      const LineRecord& first = records[begin];
      Candidate candidate{first.size, disks, first.catalogue, first.line, first.key(), {}};
      if (most_copied.Wants(candidate)) {
        for (std::size_t i = begin; i < end; ++i) {
          if (i == begin || records[i].catalogue != records[i - 1].catalogue) {
            candidate.catalogues.push_back(records[i].catalogue);
          }
        }
        most_copied.Offer(std::move(candidate));
      }
    }
    begin = end;
  }
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
  if (names.names.empty()) return std::nullopt;

  CollectionFigures figures;
  std::vector<NativePath> paths;
  for (const std::size_t i : names.Order()) {
    figures.catalogues.emplace_back().name = names.names[i];
    paths.push_back(files.Child(folder, names.natives[i]));
  }

  LineRecords records;
  for (std::uint32_t n = 0; n < figures.catalogues.size(); ++n) {
    CatalogueFigures& catalogue = figures.catalogues[n];
    try {
      FirstReading reading(n, catalogue, records);
      Read(files, paths[n], catalogue.name, reading);
    } catch (const FileError& error) {
      CatalogueFigures unread;
      unread.name = catalogue.name;
      unread.error = error.Message();
      catalogue = std::move(unread);
    }
  }

  std::vector<Best> single(figures.catalogues.size(), Best(kLargestSingleShown));
  Best most_copied(kMostCopiedShown);
  {
    std::vector<LineRecord> all = records.Gather(figures.catalogues);
    CountCopies(all, figures.catalogues, single, most_copied);
  }

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
      Read(files, paths[n], figures.catalogues[n].name, reading);
    } catch (const FileError&) {
      // Read once, then no longer: its files are shown without their paths.
    }
  }
  return figures;
}

}  // namespace zbk
