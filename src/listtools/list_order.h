// The order of a sorted list box: rows compared character by character from
// the first, letter case ignored (Polish letters too), the space before the
// digits; a row that begins another comes first.
#pragma once

#include <string_view>

namespace zbk {

bool ListRowLess(std::string_view a, std::string_view b);

}  // namespace zbk
