#include "catalogue/folder_walk.h"

#include <memory>
#include <vector>

#include "catalogue/catalogue_line.h"
#include "text/literal.h"
#include "text/name_order.h"
#include "text/upper.h"

namespace zbk {
namespace {

constexpr std::string_view kSystemVolumeInformation = "System Volume Information";
constexpr std::string_view kRecycleBinPrefix = "$RECYC";

// The entry table of one level. It holds every entry: a folder of 9,999
// files is catalogued whole.
struct EntryTable {
  std::vector<std::string> names;  // cut to 250 characters
  std::vector<NativePath> natives;
  std::vector<std::uint32_t> sizes;

  void Put(const FolderEntry& entry) {
    names.emplace_back(Head(entry.name, kShortTextCapacity));
    natives.push_back(entry.native);
    sizes.push_back(entry.size);
  }
  void Clear() {
    names.clear();
    natives.clear();
    sizes.clear();
  }
};

// The working tables of one level. They live on the heap, so the depth of
// a tree costs only a small stack frame per level.
struct WalkLevel {
  EntryTable entries;
  std::uint32_t child_count = 0;
  ExtensionTally child_tally;
};

bool Hidden(std::string_view name) {
  return !name.empty() && name.front() == '.';
}

bool KeptFolder(const FolderEntry& entry) {
  return entry.folder() && !Hidden(entry.name) && entry.name != kSystemVolumeInformation &&
         !entry.name.starts_with(kRecycleBinPrefix);
}

}  // namespace

void FolderWalk(CatalogueRunContext& run, const ShortText& path, const NativePath& native,
                std::uint32_t& count, ExtensionTally& tally) {
  count = 0;
  tally.Clear();
  WindowState& state = run.state;
  if (!state.Busy()) return;
  Files& files = state.os.files;
  const auto level = std::make_unique<WalkLevel>();

  // Sub-folders.
  {
    const auto listing = files.List(native, "*.*", ListingDetail::kNamesAndKinds);
    if (!listing) return;
    FolderEntry entry;
    while (listing->Next(entry)) {
      if (KeptFolder(entry)) level->entries.Put(entry);
    }
  }
  const EntryTable& folders = level->entries;
  for (const std::size_t i : NameOrder(folders.names)) {
    const ShortText child(Join(path, folders.names[i], "\\"));
    FolderWalk(run, child, files.Child(native, folders.natives[i]), level->child_count,
               level->child_tally);
    count += level->child_count;
    tally.Merge(level->child_tally);
  }

  // Own files.
  level->entries.Clear();
  state.ShowStatus(Join("Szukam plików w "_cp, path));
  if (!state.Busy()) return;
  level->child_count = 0;
  level->child_tally.Clear();
  {
    const auto listing = files.List(native, "*.*", ListingDetail::kWithSizes);
    if (!listing) return;
    FolderEntry entry;
    while (listing->Next(entry)) {
      if (!entry.file() || Hidden(entry.name)) continue;
      level->entries.Put(entry);
      const std::string extension = Upper(ExtensionOf(entry.name));
      if (!extension.empty() && IsUnusual(extension)) {
        ++level->child_count;
        level->child_tally.Add(extension, 1);
      }
    }
  }
  count += level->child_count;
  tally.Merge(level->child_tally);

  ListBox& results = state.w.L;
  const EntryTable& own = level->entries;
  for (const std::size_t i : NameOrder(own.names)) {
    if (own.sizes[i] < kSmallestListed) continue;
    const std::string line = CatalogueLine(own.sizes[i], path, own.names[i]);
    results.Add(line);
    run.file.WriteLine(line);
  }
  results.Select(results.Count() - 1);
  if (count >= kUnusualThreshold) run.unusual.Add(FolderReportText(path, count, tally));
}

}  // namespace zbk
