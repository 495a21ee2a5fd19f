// The walk of one folder and, recursively, of every folder below it: the
// sub-folders first, in name order, then the folder's own files in name
// order, one catalogue line per file of at least 100000 bytes, written to
// the result list and to the catalogue file. Links to folders are neither
// walked nor listed. Files with unusual extensions are counted up the tree,
// and a folder whose subtree holds many of them is reported.
//
// Each folder is listed once: its sub-folders and its files with their
// sizes come from the same listing.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/entry_table.h"
#include "catalogue/extension_tally.h"
#include "catalogue/line_writer.h"
#include "text/short_text.h"
#include "window/window_state.h"

namespace zbk {

// The working tables of one level of the walk. Each level of the recursion
// has its own; a run keeps them from folder to folder.
struct WalkLevel {
  EntryTable entries;
  std::vector<std::uint32_t> order;
  std::vector<NativePath> folders;  // the sub-folders to walk, in name order
  std::uint32_t child_count = 0;
  ExtensionTally child_tally;
};

// What every level of one catalogue run reaches.
struct CatalogueRunContext {
  WindowState& state;
  LineWriter& file;
  UnusualFolderList& unusual;
  std::vector<std::unique_ptr<WalkLevel>> levels;  // by depth
  FolderEntry entry;                               // the listing's entry in hand
  std::string line;                                // the catalogue line in hand
  bool listing_failed = false;                     // a listing failed: incomplete

  WalkLevel& Level(std::size_t depth);
};

// Walks the folder shown as `path` (ending in "\", cut to 250 characters)
// whose real location is `native`, `depth` levels below the drive's root.
// Sets `count` to the number of unusual files walked and `tally` to their
// counts by extension. A folder that cannot be listed is skipped; one whose
// listing fails for its medium is too, and sets `listing_failed`; a cleared
// BusyFlag winds the walk down.
void FolderWalk(CatalogueRunContext& run, const ShortText& path, const NativePath& native,
                std::size_t depth, std::uint32_t& count, ExtensionTally& tally);

}  // namespace zbk
