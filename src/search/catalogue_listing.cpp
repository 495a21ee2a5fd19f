#include "search/catalogue_listing.h"

#include <algorithm>

#include "text/name_order.h"
#include "text/short_text.h"

namespace zbk {

std::vector<std::size_t> CatalogueNames::Order() const {
  return NameOrder(names);
}

std::unique_ptr<FolderListing> ListCatalogueFiles(Files& files, const NativePath& folder) {
  return files.List(folder, "*.TXT", ListingDetail::kNamesAndKinds);
}

CatalogueNames ReadCatalogueNames(FolderListing& listing) {
  CatalogueNames catalogues;
  FolderEntry entry;
  while (listing.Next(entry)) {
    if (!entry.file() || entry.name.empty() || entry.name.front() == '.') continue;
    const ShortText name(entry.name);
    catalogues.longest = std::max(catalogues.longest, name.size());
    catalogues.names.push_back(name.str());
    catalogues.natives.push_back(entry.native);
  }
  return catalogues;
}

}  // namespace zbk
