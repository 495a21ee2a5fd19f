#include "search/catalogue_listing.h"

#include <algorithm>

#include "text/name_order.h"
#include "text/short_text.h"

namespace zbk {

std::unique_ptr<FolderListing> ListCatalogueFiles(Files& files, const NativePath& folder) {
  return files.List(folder, "*.TXT", ListingDetail::kNamesAndKinds);
}

CatalogueNames ReadCatalogueNames(FolderListing& listing) {
  std::vector<std::string> names;
  std::vector<NativePath> natives;
  CatalogueNames catalogues;
  FolderEntry entry;
  while (listing.Next(entry)) {
    if (!entry.file() || entry.name.empty() || entry.name.front() == '.') continue;
    const ShortText name(entry.name);
    catalogues.longest = std::max(catalogues.longest, name.size());
    names.push_back(name.str());
    natives.push_back(entry.native);
  }
  for (const std::size_t i : NameOrder(names)) {
    catalogues.files.push_back({std::move(names[i]), std::move(natives[i])});
  }
  return catalogues;
}

}  // namespace zbk
