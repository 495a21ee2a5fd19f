// The entry point libFuzzer (or the corpus runner) calls: each input goes
// to the target's own Target().
#include <cstddef>
#include <cstdint>

#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zbk::fuzz::FuzzInput in(data, size);
  zbk::fuzz::Target(in);
  return 0;
}
