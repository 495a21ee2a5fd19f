// Name order: ascending by the upper-cased names compared byte by byte as
// unsigned values, a name that begins another first, equal names in listing
// order.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace zbk {

// The positions of `names` in name order.
std::vector<std::size_t> NameOrder(const std::vector<std::string>& names);

}  // namespace zbk
