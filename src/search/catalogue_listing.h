// The catalogue files of a folder, as every reader of catalogues finds
// them: the "*.TXT" entries that are files and whose names do not begin
// with ".", each name cut to 250 characters, taken in name order.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "ports/os.h"

namespace zbk {

struct CatalogueName {
  std::string shown;  // cut to 250 characters
  NativePath native;
};
struct CatalogueNames {
  std::vector<CatalogueName> files;  // in name order
  std::size_t longest = 0;           // the length of the longest name
};

// The listing of "*.TXT" in `folder`; nullptr when nothing matches.
std::unique_ptr<FolderListing> ListCatalogueFiles(Files& files, const NativePath& folder);

// The catalogues among the entries of that listing.
CatalogueNames ReadCatalogueNames(FolderListing& listing);

}  // namespace zbk
