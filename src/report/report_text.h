// How the report writes its figures: counts with a "." in front of every
// group of three digits, sizes in binary units with a decimal comma, shares
// in whole per cent, and names made safe for the page.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "report/collection.h"

namespace zbk {

// "0 B", "999 B", "1,0 KB", "12,3 MB", "4,5 GB", "1,2 TB"; kSizeOver4GB of a
// single file is "większy niż 4GB".
std::string SizeText(std::uint64_t bytes);
std::string FileSizeText(std::uint32_t size);
// The share of the catalogue's bytes with a copy elsewhere, in tenths of a
// per cent rounded down ("99,9%"; "100%" only when every byte has a copy),
// and "-" where it has no bytes of exact size.
std::string ShareText(const CatalogueFigures& catalogue);
unsigned SharePerMille(const CatalogueFigures& catalogue);
// The catalogues that were read, the fully copied ones first, then by the
// share of their bytes with a copy elsewhere, largest first; equal ones in
// name order.
std::vector<std::size_t> RowOrder(const CollectionFigures& figures);

// The text with &, <, > and " written as HTML entities.
std::string Escaped(std::string_view text);

}  // namespace zbk
