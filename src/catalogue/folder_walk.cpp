#include "catalogue/folder_walk.h"

#include "catalogue/catalogue_line.h"
#include "catalogue/entry_pause.h"
#include "text/literal.h"
#include "text/upper.h"

namespace zbk {
namespace {

constexpr std::string_view kSystemVolumeInformation = "System Volume Information";
constexpr std::string_view kRecycleBinPrefix = "$RECYC";

bool Hidden(std::string_view name) {
  return !name.empty() && name.front() == '.';
}

bool KeptFolder(const FolderEntry& entry) {
  return entry.folder() && !Hidden(entry.name) && entry.name != kSystemVolumeInformation &&
         !entry.name.starts_with(kRecycleBinPrefix);
}

bool KeptFile(const FolderEntry& entry) {
  return entry.file() && !Hidden(entry.name);
}

// Counts the folder's own files with unusual extensions; false when the
// command was stopped meanwhile.
bool TallyFiles(const EntryTable& entries, EntryPause& pause, std::uint32_t& count,
                ExtensionTally& tally) {
  count = 0;
  tally.Clear();
  std::string extension;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (!pause.Step()) return false;
    if (entries.kind(i) != EntryKind::kFile) continue;
    extension.assign(ExtensionOf(entries.upper_name(i)));
    if (!extension.empty() && IsUnusual(extension)) {
      ++count;
      tally.Add(extension, 1);
    }
  }
  return true;
}

}  // namespace

WalkLevel& CatalogueRunContext::Level(std::size_t depth) {
  while (levels.size() <= depth) levels.push_back(std::make_unique<WalkLevel>());
  return *levels[depth];
}

void FolderWalk(CatalogueRunContext& run, const ShortText& path, const NativePath& native,
                std::size_t depth, std::uint32_t& count, ExtensionTally& tally) {
  count = 0;
  tally.Clear();
  WindowState& state = run.state;
  if (!state.Busy()) return;
  Files& files = state.os.files;
  WalkLevel& level = run.Level(depth);
  EntryTable& entries = level.entries;

  // One listing: the sub-folders and the files with their sizes.
  entries.Clear();
  EntryPause pause(state);
  const auto pause_between = [&pause] { return pause.Pause(); };
  try {
    const auto listing = files.List(native, "*.*", ListingDetail::kWithSizes);
    if (!listing) return;
    while (listing->Next(run.entry)) {
      if (KeptFolder(run.entry) || KeptFile(run.entry)) entries.Put(run.entry);
      if (!pause.Step()) return;
    }
  } catch (const ListingFailed&) {
    // Files that are there go unseen: the run is incomplete. The walk goes
    // on, for what the rest of the medium still gives.
    run.listing_failed = true;
    return;
  }

  // Sub-folders, named to the files first: they may be listed ahead, and
  // are opened relative to this folder, held open meanwhile.
  if (!entries.InNameOrder(EntryKind::kFolder, level.order, pause_between)) return;
  level.folders.clear();
  for (const std::uint32_t i : level.order) {
    level.folders.push_back(files.Child(native, NativePath(entries.native(i))));
  }
  const std::shared_ptr<void> held = level.folders.empty() ? nullptr : files.Hold(native);
  if (!level.folders.empty()) files.Prefetch(level.folders);
  for (std::size_t k = 0; k < level.order.size(); ++k) {
    const ShortText child(Join(path, entries.name(level.order[k]), "\\"));
    FolderWalk(run, child, level.folders[k], depth + 1, level.child_count, level.child_tally);
    count += level.child_count;
    tally.Merge(level.child_tally);
  }

  // Own files.
  state.ShowStatus(Join("Szukam plików w "_cp, path));
  if (!state.Busy()) return;
  if (!TallyFiles(entries, pause, level.child_count, level.child_tally)) return;
  count += level.child_count;
  tally.Merge(level.child_tally);

  ListBox& results = state.w.L;
  if (!entries.InNameOrder(EntryKind::kFile, level.order, pause_between)) return;
  for (const std::uint32_t i : level.order) {
    if (!pause.Step()) return;
    if (entries.file_size(i) < kSmallestListed) continue;
    run.line.clear();
    AppendCatalogueLine(entries.file_size(i), path, entries.name(i), run.line);
    results.Add(run.line);
    run.file.WriteLine(run.line);
  }
  results.Select(results.Count() - 1);
  if (count >= kUnusualThreshold) run.unusual.Add(FolderReportText(path, count, tally));
}

}  // namespace zbk
