// The two small buttons beside the result list: sort it, and walk it upward
// to the nearest pair of neighbouring rows of equal size.
#pragma once

#include <string_view>

#include "window/window_state.h"

namespace zbk {

// The first 15 characters of a row (all of it when shorter).
std::string_view SizeFieldOf(std::string_view row);

// AZ: switches the result list to sorted order.
void SortResults(WindowState& state);

// X2: from the selected row upward, selects the upper row of the nearest
// pair of neighbours with equal size fields; row 0 at the latest. Works only
// on a sorted list. With no row selected it starts from the last row.
void EqualSizeFinder(WindowState& state);

}  // namespace zbk
