// The temporary file a catalogue is written into before it takes its own
// name: "." + the name + "." + eight hex digits + ".tmp", in the working
// folder. It begins with "." and does not end in ".txt", so no search reads
// it, and the digits keep two runs of the same name apart.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zbk {

std::string TemporaryName(std::string_view name, std::uint32_t unique);

// Whether `candidate` is a temporary file of a catalogue named `name`.
bool IsTemporaryOf(std::string_view candidate, std::string_view name);

// A number to tell temporary files apart, different at every call.
std::uint32_t UniqueNumber();

}  // namespace zbk
