#include "text/framed_number.h"

#include <string>

namespace zbk {

ShortText FramedNumber(std::uint32_t n) {
  return Join(" ", std::to_string(n), " ");
}

}  // namespace zbk
