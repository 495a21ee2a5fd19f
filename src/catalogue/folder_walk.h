// The walk of one folder and, recursively, of every folder below it: the
// sub-folders first, in name order, then the folder's own files in name
// order, one catalogue line per file of at least 100000 bytes, written to
// the result list and to the catalogue file. Links to folders are neither
// walked nor listed. Files with unusual extensions
// are counted up the tree, and a folder whose subtree holds many of them is
// reported.
#pragma once

#include <cstdint>

#include "app/window_state.h"
#include "catalogue/extension_tally.h"
#include "text/line_writer.h"
#include "text/short_text.h"

namespace zbk {

// What every level of one catalogue run reaches.
struct CatalogueRunContext {
  WindowState& state;
  LineWriter& file;
  UnusualFolderList& unusual;
};

// Walks the folder shown as `path` (ending in "\", cut to 250 characters)
// whose real location is `native`. Sets `count` to the number of unusual
// files walked and `tally` to their counts by extension. A folder that
// cannot be listed is skipped; a cleared BusyFlag winds the walk down.
void FolderWalk(CatalogueRunContext& run, const ShortText& path, const NativePath& native,
                std::uint32_t& count, ExtensionTally& tally);

}  // namespace zbk
