// What the program holds on the heap through new and delete (every plain and
// nothrow form; the aligned ones are left to the library), counted by
// replacing the global allocation functions in the test program that links
// live_memory.cpp, and the file descriptors it has open.
#pragma once

#include <cstddef>

namespace zbk::testing {

struct LiveMemory {
  std::size_t blocks = 0;
  std::size_t bytes = 0;
};

LiveMemory CurrentLiveMemory();
int OpenFileDescriptors();

}  // namespace zbk::testing
