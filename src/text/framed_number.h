// A count as the status line, the window caption and the folder report show
// it: one space, the decimal digits of the unsigned 32-bit count, one space.
#pragma once

#include <cstdint>

#include "text/short_text.h"

namespace zbk {

ShortText FramedNumber(std::uint32_t n);

}  // namespace zbk
