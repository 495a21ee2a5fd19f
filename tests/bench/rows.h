// Result rows as a catalogue run makes them, for measuring lists.
#pragma once

#include <string>
#include <vector>

namespace zbk::bench {

// `count` catalogue lines with sizes and names from a fixed pseudo-random
// sequence: the same rows at every call.
std::vector<std::string> CatalogueRows(int count);

}  // namespace zbk::bench
