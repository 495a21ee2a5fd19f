// The texts of the Windows services: the program's Windows-1250 bytes and
// NativePath, both converted explicitly to and from the UTF-16 of the wide
// calls, so that nothing depends on the ANSI code page of the machine.
//
// A NativePath here is the UTF-16 name itself, its code units stored as
// little-endian byte pairs: any name the system gives, also one that
// Windows-1250 cannot show, goes back to the system unchanged.
#pragma once

#include <string>
#include <string_view>

#include "ports/os.h"

namespace zbk {

std::wstring WideFromCp1250(std::string_view text);
std::string Cp1250FromWide(std::wstring_view text);

std::wstring WideOf(const NativePath& path);
NativePath NativeOf(std::wstring_view wide);

}  // namespace zbk
