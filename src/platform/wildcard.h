// File name patterns as folder listings take them: "*" for any run of
// characters, "?" for one, letters a to z matched without regard to case.
// "*.*" matches every name, with or without a period.
#pragma once

#include <string_view>

namespace zbk {

bool MatchesPattern(std::string_view name, std::string_view pattern);

}  // namespace zbk
